#include "spinner.h"

#include "number_text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

Spinner::Spinner(QWidget* parent)
    : QWidget(parent)
    , up_(new QToolButton(this))
    , down_(new QToolButton(this)) {
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    for (QToolButton* b : {up_, down_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAccessibleName(tr("Up"));
    down_->setAccessibleName(tr("Down"));
    connect(up_, &QToolButton::clicked, this, &Spinner::stepUp);
    connect(down_, &QToolButton::clicked, this, &Spinner::stepDown);
}

void Spinner::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum < minimum ? minimum : maximum;
}

void Spinner::setAutoRepeat(bool repeat) {
    up_->setAutoRepeat(repeat);
    down_->setAutoRepeat(repeat);
}

QSize Spinner::sizeHint() const {
    return {17, 24};
}

void Spinner::step(int direction) {
    if (buddy_ != nullptr) {
        const double read = std::floor(biteclock::leadingNumber(buddy_->text().toStdString()));
        const int current =
            read > maximum_ ? maximum_ : (read < minimum_ ? minimum_ : static_cast<int>(read));
        int next = current + direction;
        if (next > maximum_) {
            next = wrap_ ? minimum_ : maximum_;
        } else if (next < minimum_) {
            next = wrap_ ? maximum_ : minimum_;
        }
        const QString text = QString::number(next);
        if (text != buddy_->text()) {
            buddy_->setText(text);
            emit changed();
        }
    }
    if (direction > 0) {
        emit upClicked();
    } else {
        emit downClicked();
    }
}

void Spinner::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up) {
        stepUp();
    } else if (event->key() == Qt::Key_Down) {
        stepDown();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void Spinner::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void Spinner::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void Spinner::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
