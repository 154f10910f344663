#pragma once

#include <QWidget>

class QToolButton;

/// A spinner's two arrow buttons on their own, for a text box that must accept any text.
/// The buttons never take the keyboard focus.
class UpDownButtons : public QWidget {
    Q_OBJECT

public:
    explicit UpDownButtons(QWidget* parent = nullptr);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void upClicked();
    void downClicked();

private:
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
};
