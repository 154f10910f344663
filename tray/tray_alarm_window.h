#pragma once

#include "tray_window_parts.h"

#include <QColor>
#include <QString>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTimer;
struct AlarmView;

/// " Biteclock Alarm": the good day the alarm found, its prediction and today's Moon, with a title
/// that flashes between blue and red while the window is shown.
class TrayAlarmWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kFlashIntervalMs = 500;
    static inline const QColor kBlue = QColor(0, 0, 255);
    static inline const QColor kRed = QColor(255, 0, 0);

    explicit TrayAlarmWindow(QWidget* parent = nullptr);

    void showView(const AlarmView& view);
    void setTipsShown(bool shown);

    /// One tick of the flashing title: blue becomes red and red blue.
    void flash();
    QColor titleColour() const { return titleColour_; }
    bool flashing() const;

    QString headingText() const;
    QString countText() const;
    QString unitText() const;
    QColor unitColour() const;
    QString dateText() const;
    QString gradeText() const;

    QCheckBox* deactivateCheck() const { return deactivate_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* runButton() const { return run_; }
    QPushButton* helpButton() const { return help_; }

signals:
    void deactivateClicked(bool checked);
    void okClicked();
    void runClicked();
    void helpClicked();
    /// The user closed (and so hid) the window.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QHBoxLayout* buildCountRow();
    QGroupBox* buildDateBox();
    QHBoxLayout* buildPictureRow();
    QHBoxLayout* buildButtonRow();
    void setTitleColour(const QColor& colour);

    QLabel* title_ = nullptr;
    QLabel* heading_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* unit_ = nullptr;
    QLabel* date_ = nullptr;
    QLabel* grade_ = nullptr;
    QLabel* fishPicture_ = nullptr;
    QLabel* moonPicture_ = nullptr;
    QCheckBox* deactivate_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* help_ = nullptr;
    QTimer* flashTimer_ = nullptr;
    QColor titleColour_ = kBlue;
    QColor unitColour_;
    tray_window::Tips tips_;
};
