// Biteclock: the solunar fishing almanac's main window.
#include "desktop_services.h"
#include "help_window.h"
#include "main_window.h"
#include "qt_print_service.h"
#include "qt_time_zone_source.h"
#include "settings_store.h"
#include "single_instance.h"
#include "version.h"

#include <QApplication>

namespace {

/// Shows the window in front of the others, restored when it was minimised.
void bringToFront(MainWindow& window) {
    if (window.isMinimized()) {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    }
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Biteclock"));
    QApplication::setApplicationName(QStringLiteral("Biteclock"));
    QApplication::setApplicationVersion(QString::fromLatin1(biteclock::kVersion));

    // A second start brings the running window forward instead of opening another one, which would
    // work on the same store and undo what the first one writes.
    SingleInstance instance(SingleInstance::defaultSocketPath(QStringLiteral("Biteclock")));
    if (instance.handOver()) {
        return 0;
    }
    instance.listen();

    SettingsStore store;
    DesktopMessageService messages;
    HelpWindowService help;
    DesktopProcessLauncher launcher;
    SystemClock clock;
    QtTimeZoneSource zones;
    QtPrintService printers;

    MainWindow window({store, messages, help, launcher, clock, zones, QApplication::applicationDirPath(),
                       nullptr, &printers});
    messages.setParent(&window);
    QObject::connect(&instance, &SingleInstance::raiseRequested, &window,
                     [&window] { bringToFront(window); });
    window.show();
    return QApplication::exec();
}
