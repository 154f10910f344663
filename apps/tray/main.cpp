// Bitetray: the Moon and the day's fishing prediction in the notification area, and the good-day
// alarm. Started at log-on; without arguments.
#include "desktop_services.h"
#include "help_window.h"
#include "qt_time_zone_source.h"
#include "settings_store.h"
#include "system_tray_backend.h"
#include "tray_companion.h"
#include "version.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// The panel may start after the companion at log-on.
constexpr int kTrayWaitMs = 20000;

QString lockFilePath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("Bitetray.lock"));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Biteclock"));
    QApplication::setApplicationName(QStringLiteral("Bitetray"));
    QApplication::setApplicationVersion(QString::fromLatin1(biteclock::kVersion));
    QApplication::setQuitOnLastWindowClosed(false);

    // One companion per session: a second start (by hand, or a second log-on entry) ends quietly.
    QLockFile lock(lockFilePath());
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        return 0;
    }

    SettingsStore store;
    const QString ownFolder = QCoreApplication::applicationDirPath();
    DesktopMessageService messages;
    DesktopProcessLauncher launcher;
    SystemClock clock;
    SystemTrayBackend icons;
    HelpWindowService help;
    const QtTimeZoneSource zones;

    TrayCompanion companion({store, clock, icons, messages, launcher, help, ownFolder,
                             QCoreApplication::applicationFilePath(), kTrayWaitMs, &zones});
    QObject::connect(&companion, &TrayCompanion::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (companion.start() == TrayCompanion::StartResult::Ended) {
        return 0;
    }
    return QApplication::exec();
}
