// libFuzzer target for reading a settings file into the typed accessors. The input becomes both
// programs' settings files; every accessor, the saved locations and the place the command line
// computes with must read it without a crash, a hang or a sanitizer report, and a place that is not
// refused must lie within the settings panel's ranges. Built and run by scripts/fuzz.
#include "location_catalogue.h"
#include "main_settings.h"
#include "print_settings.h"
#include "refresh_place.h"
#include "settings_store.h"
#include "shared_settings.h"
#include "stored_location.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

namespace {

// Enough of a long location list to read every kind of entry, not so many that one input takes long.
constexpr int kNamesChecked = 16;

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkPlace(const RefreshPlace& place, bool wholeNumbers) {
    if (place.fault) {
        require(!place.fault->key.isEmpty() && !place.fault->rule.isEmpty());
        return;
    }
    const biteclock::ObserverLocation& l = place.location;
    for (const double v :
         {l.latitudeDegrees, l.latitudeMinutes, l.longitudeDegrees, l.longitudeMinutes, l.gmtHours}) {
        require(std::isfinite(v));
    }
    require(l.latitudeDegrees >= 0 && l.latitudeDegrees <= 89 && l.longitudeDegrees >= 0 &&
            l.longitudeDegrees <= 179);
    require(l.latitudeMinutes >= 0 && l.latitudeMinutes <= 59 && l.longitudeMinutes >= 0 &&
            l.longitudeMinutes <= 59);
    require(l.gmtHours >= -12 && l.gmtHours <= 13);
    if (wholeNumbers) {
        require(l.latitudeDegrees == std::floor(l.latitudeDegrees) &&
                l.longitudeMinutes == std::floor(l.longitudeMinutes));
    }
}

std::unique_ptr<QTemporaryDir> folder;
time_t run = 1000000000;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    folder = std::make_unique<QTemporaryDir>();
    QDir().mkpath(folder->filePath(QStringLiteral("Biteclock")));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder->path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const char* name : {"Biteclock/Bitetray.ini", "Biteclock/Biteclock.ini"}) {
        const QString path = folder->filePath(QLatin1String(name));
        QFile file(path);
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
        file.close();
        // QSettings keeps the files it has read and reads one again only when its size or time
        // changed: every input gets a time of its own.
        const timespec times[2] = {{run, 0}, {run, 0}};
        require(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0);
    }
    ++run;
    {
        SettingsStore store;
        const SharedSettings shared(store);
        static_cast<void>(shared.currentLocation());
        static_cast<void>(shared.moonNorth() || shared.tipsShown() || shared.alarmOn() ||
                          shared.showMoonIcon() || shared.showFishIcon() || shared.followDaylight() ||
                          shared.customZone() || shared.plusSignShown());
        static_cast<void>(shared.dayType() + shared.daysInAdvance() + shared.gmt() + shared.programFolder());
        require(std::isfinite(shared.gmtHours()));
        const MainSettings main(store);
        static_cast<void>(main.dayFirst() ? main.windowState() : main.chartColour());
        static_cast<void>(main.chartStyle() + main.graphDays());
        static_cast<void>(main.graphDaysText());
        static_cast<void>(PrintSettings(store).load());
        static_cast<void>(storedCurrentLocation(store));

        biteclock::TimeZoneInfo zone;
        zone.biasMinutes = -330;
        zone.standardName = "India Standard Time";
        const RefreshPlace current = refreshPlace(store, biteclock::FixedTimeZoneSource(zone));
        checkPlace(current, !SharedSettings(store).currentLocation().isEmpty());

        const LocationCatalogue catalogue(store);
        const QStringList names = catalogue.names();
        for (qsizetype i = 0; i < names.size() && i < kNamesChecked; ++i) {
            static_cast<void>(catalogue.contains(names[i]) ? catalogue.entry(names[i]).gmt : QString());
            static_cast<void>(storedLocation(store, names[i]));
            if (const auto saved = savedPlace(store, names[i])) {
                checkPlace(*saved, true);
            }
        }
    }
    return 0;
}
