// biteclock-cli: the almanac on the command line.
#include "cli_app.h"
#include "settings_store.h"
#include "stored_location.h"

#include <QCoreApplication>
#include <QDate>
#include <iostream>

int main(int argc, char* argv[]) {
    std::ios::sync_with_stdio(false);
    QCoreApplication::setOrganizationName(QStringLiteral("Biteclock"));
    std::vector<std::string> arguments(argv + 1, argv + argc);

    const SettingsStore store;
    const QDate today = QDate::currentDate();
    biteclock::cli::CliEnvironment environment;
    environment.today = biteclock::dateSerial(today.year(), today.month(), today.day());
    environment.currentLocation = [&store] { return biteclock::cli::storedCurrentLocation(store); };
    environment.savedLocation = [&store](const std::string& name) {
        return biteclock::cli::savedLocation(store, name);
    };
    environment.moonNorth = [&store] { return biteclock::cli::storedMoonNorth(store); };
    return biteclock::cli::runCli(arguments, std::cout, std::cerr, environment);
}
