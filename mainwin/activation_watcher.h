#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

/// Tells when a window becomes active in the sense of the daily refresh: when it is first shown, and
/// whenever the focus comes back to it from another window of this program. Coming back from
/// another program (the program had no focus window in between) or from a message box or other
/// dialog does not count.
class ActivationWatcher : public QObject {
    Q_OBJECT
public:
    explicit ActivationWatcher(QWidget* window);

    /// Follows the program's focus window; connected to QGuiApplication::focusWindowChanged, and
    /// callable directly.
    void focusWindowChanged(QWindow* focus);
    /// The window was shown; the first showing counts as an activation.
    void windowShown();

signals:
    void activated();

private:
    static bool isDialog(QWindow* window);

    QWidget* window_ = nullptr;
    QPointer<QWindow> previous_;
    bool shownOnce_ = false;
};
