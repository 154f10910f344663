// biteclock-cli: the almanac on the command line.
#include "cli_app.h"
#include "journal_store.h"
#include "print_settings.h"
#include "qt_time_zone_source.h"
#include "refresh_place.h"
#include "settings_store.h"
#include "shared_settings.h"
#include "terminal_text.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <iostream>
#include <memory>

namespace {

biteclock::cli::StoredPlace storedPlaceOf(const RefreshPlace& place, const QString& file) {
    biteclock::cli::StoredPlace out;
    out.location = place.location;
    out.zoneName = place.zoneName.toStdString();
    out.file = file.toStdString();
    out.defaults = place.defaults;
    if (place.fault) {
        const StoredValueFault& f = *place.fault;
        out.problem = biteclock::cli::StoredValueProblem{f.key.toStdString(), f.text.toStdString(),
                                                         f.rule.toStdString(), f.file.toStdString()};
    }
    return out;
}

// The calendar page needs fonts, so a QGuiApplication; it always draws off screen, whatever platform
// the environment names, since a missing or unreachable display would end the program in an abort.
std::unique_ptr<QGuiApplication> startOffscreenGui(const char* programName) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes (a missing runtime folder and the like) would break the one-line errors.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::cerr << "biteclock-cli: " << biteclock::cli::terminalSafe(message.toStdString()) << '\n';
        }
    });
    // Qt is given the program's name alone: the user's arguments are the command's, and Qt would
    // take some of them for its own (-platform, -display).
    static int argc = 1;
    static char name[256] = {};
    qstrncpy(name, programName ? programName : "biteclock-cli", sizeof name);
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The time stamp of exported events: now, or SOURCE_DATE_EPOCH when it is set, so that a file can be
// made again byte for byte.
std::int64_t exportTimeStamp() {
    bool given = false;
    const qint64 fixed = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&given);
    return given ? fixed : QDateTime::currentSecsSinceEpoch();
}

} // namespace

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    QCoreApplication::setOrganizationName(QStringLiteral("Biteclock"));
    std::vector<std::string> arguments(argv + 1, argv + argc);

    std::unique_ptr<QGuiApplication> gui;
    if (!arguments.empty() && arguments.front() == "calendar") {
        gui = startOffscreenGui(argc > 0 ? argv[0] : nullptr);
    }

    SettingsStore store;
    const QtTimeZoneSource zones;
    const QDate today = QDate::currentDate();
    biteclock::cli::CliEnvironment environment;
    environment.today = biteclock::dateSerial(today.year(), today.month(), today.day());
    environment.nowUtcSeconds = exportTimeStamp();
    environment.currentPlace = [&store, &zones] {
        return storedPlaceOf(refreshPlace(store, zones), store.fileName(SettingsStore::kShared));
    };
    environment.savedPlace = [&store](const std::string& name) -> std::optional<biteclock::cli::StoredPlace> {
        const auto place = savedPlace(store, QString::fromStdString(name));
        if (!place) {
            return std::nullopt;
        }
        return storedPlaceOf(*place, store.fileName(SettingsStore::kMain));
    };
    environment.moonNorth = [&store] { return SharedSettings(store).moonNorth(); };
    environment.calendarBoxes = [&store] {
        const CalendarOptions o = PrintSettings(store).load();
        return biteclock::cli::CalendarBoxes{o.prediction, o.sunrise, o.moonrise, o.majorMinor, o.newFull};
    };
    environment.letterPaper = [&store] { return PrintSettings(store).load().paperText == kLetterPaperText; };
    environment.journalFolder = [] {
        // The folder of the Biteclock window's journal, whatever this program is called.
        QCoreApplication::setApplicationName(QStringLiteral("Biteclock"));
        return QFile::encodeName(JournalStore::defaultFolder()).toStdString();
    };
    return biteclock::cli::runCli(arguments, std::cout, std::cerr, environment);
}
