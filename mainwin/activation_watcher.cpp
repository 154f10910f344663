#include "activation_watcher.h"

#include <QApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

ActivationWatcher::ActivationWatcher(QWidget* window)
    : QObject(window)
    , window_(window) {
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &ActivationWatcher::focusWindowChanged);
}

void ActivationWatcher::windowShown() {
    if (shownOnce_) {
        return;
    }
    shownOnce_ = true;
    emit activated();
}

bool ActivationWatcher::isDialog(QWindow* window) {
    if (window->modality() != Qt::NonModal) {
        return true;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowHandle() == window) {
            return qobject_cast<QDialog*>(w) != nullptr;
        }
    }
    return false;
}

void ActivationWatcher::focusWindowChanged(QWindow* focus) {
    QWindow* const own = window_->windowHandle();
    if (focus == nullptr || own == nullptr || focus != own) {
        previous_ = focus;
        return;
    }
    QWindow* const from = previous_.data();
    previous_ = focus;
    if (!shownOnce_) {
        windowShown();
        return;
    }
    if (from != nullptr && from != own && !isDialog(from)) {
        emit activated();
    }
}
