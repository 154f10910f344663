#include "up_down_buttons.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(false);
    button->setFixedSize(18, 12);
    return button;
}

} // namespace

UpDownButtons::UpDownButtons(QWidget* parent)
    : QWidget(parent)
    , up_(arrowButton(Qt::UpArrow, this))
    , down_(arrowButton(Qt::DownArrow, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, &UpDownButtons::upClicked);
    connect(down_, &QToolButton::clicked, this, &UpDownButtons::downClicked);
}
