// biteclock-cli: the almanac on the command line.
#include "cli_app.h"
#include "print_settings.h"
#include "settings_store.h"
#include "shared_settings.h"
#include "stored_location.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QGuiApplication>
#include <QTimeZone>
#include <iostream>
#include <memory>

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    QCoreApplication::setOrganizationName(QStringLiteral("Biteclock"));
    std::vector<std::string> arguments(argv + 1, argv + argc);

    // Only the calendar page needs fonts; it draws off screen unless a platform is chosen.
    std::unique_ptr<QGuiApplication> gui;
    if (!arguments.empty() && arguments.front() == "calendar") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        // Qt's own notes (a missing runtime folder and the like) would break the one-line errors.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
            if (type == QtCriticalMsg || type == QtFatalMsg) {
                std::cerr << "biteclock-cli: " << message.toStdString() << '\n';
            }
        });
        gui = std::make_unique<QGuiApplication>(argc, argv);
    }

    SettingsStore store;
    const QDate today = QDate::currentDate();
    biteclock::cli::CliEnvironment environment;
    environment.today = biteclock::dateSerial(today.year(), today.month(), today.day());
    environment.currentLocation = [&store] { return storedCurrentLocation(store); };
    environment.savedLocation = [&store](const std::string& name) {
        return storedLocation(store, QString::fromStdString(name));
    };
    environment.moonNorth = [&store] { return SharedSettings(store).moonNorth(); };
    environment.calendarBoxes = [&store] {
        const CalendarOptions o = PrintSettings(store).load();
        return biteclock::cli::CalendarBoxes{o.prediction, o.sunrise, o.moonrise, o.majorMinor, o.newFull};
    };
    environment.letterPaper = [&store] { return PrintSettings(store).load().paperText == kLetterPaperText; };
    environment.zoneName = [&store] {
        const bool custom = SettingsStore::toBool(
            store.read(SettingsStore::kShared, SettingsStore::kSettings, QStringLiteral("custom")), false);
        if (custom) {
            return std::string("Custom");
        }
        return QTimeZone::systemTimeZone().displayName(QDateTime::currentDateTime()).toStdString();
    };
    return biteclock::cli::runCli(arguments, std::cout, std::cerr, environment);
}
