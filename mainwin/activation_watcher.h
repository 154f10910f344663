#pragma once

#include <QObject>

class QWidget;
class QWindow;

/// Tells when a window becomes active in the sense of the daily refresh: when it is first shown, and
/// whenever the focus comes back to it from another window of this program (the journal, the print
/// window, the help window). Coming back from another program (the program had no focus window in
/// between) or from a message box or other modal dialog does not count.
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
    /// The focus last went to another window of the program that is not a dialog.
    bool fromProgramWindow_ = false;
    bool shownOnce_ = false;
};
