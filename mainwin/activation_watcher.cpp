#include "activation_watcher.h"

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

bool ActivationWatcher::isPopup(const QWindow* window) {
    // Under X a menu, a combo box's list or a completer takes the focus while it is open; each belongs
    // to the window it was opened from.
    const Qt::WindowType type = window->type();
    return type == Qt::Popup || type == Qt::ToolTip;
}

bool ActivationWatcher::isProgramWindow(const QWindow* window) {
    // Message boxes and choices such as the colour dialog block the program's other windows. A
    // window that does not (the print window, though a dialog, is shown modeless) is one the user
    // works in and comes back from.
    return !isPopup(window) && window->modality() == Qt::NonModal;
}

void ActivationWatcher::focusWindowChanged(QWindow* focus) {
    if (focus != nullptr && isPopup(focus)) {
        return;
    }
    QWindow* const own = window_->windowHandle();
    if (focus == nullptr || own == nullptr || focus != own) {
        // Judged when the focus arrives: a window may be gone by the time the focus comes back (the
        // print window closes itself after printing).
        fromProgramWindow_ = focus != nullptr && focus != own && isProgramWindow(focus);
        return;
    }
    const bool fromProgramWindow = fromProgramWindow_;
    fromProgramWindow_ = false;
    if (!shownOnce_) {
        windowShown();
        return;
    }
    if (fromProgramWindow) {
        emit activated();
    }
}
