#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

/// A pair of up and down arrows. Bound to a line edit it steps the whole number in that field
/// within its range (wrapping from one end to the other when asked) and reports the change; without
/// a line edit it only reports the clicks. It takes the keyboard focus, and the arrow keys step it.
class Spinner : public QWidget {
    Q_OBJECT
public:
    explicit Spinner(QWidget* parent = nullptr);

    void setBuddy(QLineEdit* buddy) { buddy_ = buddy; }
    QLineEdit* buddy() const { return buddy_; }
    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void setWrapping(bool wrap) { wrap_ = wrap; }
    bool wrapping() const { return wrap_; }
    /// Whether holding an arrow down keeps stepping (on by default).
    void setAutoRepeat(bool repeat);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

    QSize sizeHint() const override;

public slots:
    /// A click on the up arrow.
    void stepUp() { step(+1); }
    /// A click on the down arrow.
    void stepDown() { step(-1); }

signals:
    void upClicked();
    void downClicked();
    /// The buddy's value changed by a step.
    void changed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void step(int direction);

    QLineEdit* buddy_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    int minimum_ = 0;
    int maximum_ = 100;
    bool wrap_ = false;
};
