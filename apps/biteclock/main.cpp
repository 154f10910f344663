// Biteclock: the solunar fishing almanac's main window.
#include "desktop_services.h"
#include "help_window.h"
#include "main_window.h"
#include "qt_print_service.h"
#include "qt_time_zone_source.h"
#include "settings_store.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Biteclock"));
    QApplication::setApplicationName(QStringLiteral("Biteclock"));
    QApplication::setApplicationVersion(QStringLiteral(BITECLOCK_VERSION));

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
    window.show();
    return QApplication::exec();
}
