#pragma once

#include <QObject>

class QWidget;
class QWindow;

/// Tells when a window becomes active in the sense of the daily refresh: when it is first shown, and
/// whenever the focus comes back to it from another top-level window of this program (the journal,
/// the print window, the help window). Coming back from another program (the program had no focus
/// window in between), from a message box or other modal dialog (the colour and file dialogs), or
/// from a popup (a menu, a combo box's list, a completer, a tooltip) does not count.
class ActivationWatcher : public QObject {
    Q_OBJECT
public:
    explicit ActivationWatcher(QWidget* window);

    /// Follows the program's focus window; connected to QGuiApplication::focusWindowChanged, and
    /// callable directly.
    void focusWindowChanged(QWindow* focus);
    /// The window was shown; the first showing counts as an activation.
    void windowShown();

    /// Whether having the focus in this window and coming back from it counts as a return from
    /// another window of the program.
    static bool isProgramWindow(const QWindow* window);
    /// Whether the window is part of the window it was opened from (a popup or a tooltip), so that
    /// the focus passing through it changes nothing.
    static bool isPopup(const QWindow* window);

signals:
    void activated();

private:
    QWidget* window_ = nullptr;
    /// The focus last went to another top-level window of the program that is not a dialog.
    bool fromProgramWindow_ = false;
    bool shownOnce_ = false;
};
