#pragma once

#include "tray_window_parts.h"

#include <QString>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
struct TrayToday;

/// "Current Date Moon & Fish Data": today's Moon, Sun, prediction and fishing times, the two icon
/// boxes, the start-up box, "&Hide" and "&End Icons". The window only shows what it is given and
/// reports the user's clicks; the companion decides what they do.
class TrayDataWindow final : public QWidget {
    Q_OBJECT

public:
    static inline const QString kInitialCaption = QStringLiteral("Current Date Moon & Fish Data");

    explicit TrayDataWindow(QWidget* parent = nullptr);

    /// Copies today's texts and pictures into the fields; the caption becomes dateText followed by
    /// " Moon & Fish Data" the next time the window is activated.
    void showToday(const TrayToday& today, const QString& dateText);
    void setTipsShown(bool shown);
    /// Sets the icon boxes without reporting clicks.
    void setIconBoxes(bool moon, bool fish);
    void setDisplayEveryStart(bool checked);
    void setEndIconsEnabled(bool enabled);

    bool moonIconBox() const;
    bool fishIconBox() const;
    bool displayEveryStart() const;
    bool endIconsEnabled() const;

    QCheckBox* moonIconCheck() const { return moonIcon_; }
    QCheckBox* fishIconCheck() const { return fishIcon_; }
    QCheckBox* displayEveryStartCheck() const { return displayEveryStart_; }
    QPushButton* hideButton() const { return hide_; }
    QPushButton* endIconsButton() const { return endIcons_; }

signals:
    void moonIconClicked(bool checked);
    void fishIconClicked(bool checked);
    void displayEveryStartClicked(bool checked);
    void hideClicked();
    void endIconsClicked();
    /// The user closed (and so hid) the window.
    void closeRequested();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QGroupBox* buildMoonBox();
    QGroupBox* buildSunBox();
    QGroupBox* buildPredictionBox();
    QGroupBox* buildTimesBox();
    void buildOptionBoxes();
    QHBoxLayout* buildButtonRow();
    QLineEdit* field(const QString& name, const QString& accessibleName);
    void addTip(QWidget* widget, const QString& tip);

    QLineEdit* moonrise_ = nullptr;
    QLineEdit* moonset_ = nullptr;
    QLineEdit* moonAge_ = nullptr;
    QLabel* moonPicture_ = nullptr;
    QLabel* phaseCaption_ = nullptr;
    QLineEdit* sunrise_ = nullptr;
    QLineEdit* sunset_ = nullptr;
    QLineEdit* dayLength_ = nullptr;
    QLabel* fishPicture_ = nullptr;
    QLabel* grade_ = nullptr;
    QLineEdit* upperMajor_ = nullptr;
    QLineEdit* riseMinor_ = nullptr;
    QLineEdit* lowerMajor_ = nullptr;
    QLineEdit* setMinor_ = nullptr;
    QCheckBox* moonIcon_ = nullptr;
    QCheckBox* fishIcon_ = nullptr;
    QCheckBox* displayEveryStart_ = nullptr;
    QPushButton* hide_ = nullptr;
    QPushButton* endIcons_ = nullptr;

    QString dateText_;
    tray_window::Tips tips_;
};
