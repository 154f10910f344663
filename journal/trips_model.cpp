#include "trips_model.h"

#include "date_serial.h"
#include "icon_provider.h"
#include "moon_phase.h"
#include "trip_catch.h"
#include "trip_sort_keys.h"

#include <QApplication>
#include <QDate>
#include <QFont>
#include <QLocale>
#include <QStringList>
#include <QStyle>
#include <algorithm>
#include <set>
#include <utility>

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QDate qDateOf(biteclock::DateSerial serial) {
    const biteclock::CalendarDate date = biteclock::calendarDate(serial);
    return QDate(date.year, date.month, date.day);
}

/// The notes with "\n" between their lines, however the file broke them.
QString notesLines(const TripRecord& trip) {
    QString notes = fromUtf8(trip.entry.notes);
    notes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    notes.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return notes;
}

// A tip longer than this shows its start only: a tip never fills the screen.
constexpr qsizetype kMaxTipCharacters = 1200;

QString tipText(QString text) {
    if (text.size() > kMaxTipCharacters) {
        text.truncate(kMaxTipCharacters);
        text += QChar(0x2026);
    }
    return text;
}

QString statusNote(const TripRecord& trip) {
    switch (trip.status) {
    case JournalStore::ReadStatus::Damaged:
        return QStringLiteral("Damaged file");
    case JournalStore::ReadStatus::TooLarge:
        return QStringLiteral("File larger than 1 MB");
    case JournalStore::ReadStatus::Unreadable:
        return QStringLiteral("Unreadable file");
    case JournalStore::ReadStatus::Missing:
    case JournalStore::ReadStatus::Read:
        break;
    }
    return {};
}

QString statusExplanation(const TripRecord& trip) {
    const QString file = JournalStore::fileName(trip.number);
    switch (trip.status) {
    case JournalStore::ReadStatus::Damaged:
        return QStringLiteral("The file %1 is incomplete or damaged: the row shows it as far as it could be "
                              "read.")
            .arg(file);
    case JournalStore::ReadStatus::TooLarge:
        return QStringLiteral("The file %1 is larger than 1 MB, which no journal entry should be: the row "
                              "shows its first megabyte.")
            .arg(file);
    case JournalStore::ReadStatus::Unreadable:
        return QStringLiteral("The file %1 could not be read: %2").arg(file, trip.error);
    case JournalStore::ReadStatus::Missing:
    case JournalStore::ReadStatus::Read:
        break;
    }
    return {};
}

bool hasTypedDate(const TripRecord& trip) {
    const biteclock::JournalEntry& e = trip.entry;
    return !e.day.empty() || !e.month.empty() || !e.year.empty();
}

QString periodList(const std::string& first, const std::string& second) {
    QStringList times;
    for (const std::string* text : {&first, &second}) {
        const QString t = fromUtf8(*text).trimmed();
        if (!t.isEmpty()) {
            times.append(t);
        }
    }
    return times.isEmpty() ? QStringLiteral("none") : times.join(QStringLiteral(" and "));
}

} // namespace

TripsModel::TripsModel(QObject* parent)
    : QAbstractTableModel(parent) {}

void TripsModel::setTrips(std::vector<TripRecord> trips) {
    beginResetModel();
    trips_ = std::move(trips);
    std::sort(trips_.begin(), trips_.end(),
              [](const TripRecord& a, const TripRecord& b) { return a.number < b.number; });
    rebuildSearchTexts();
    endResetModel();
}

void TripsModel::rebuildSearchTexts() {
    searchTexts_.clear();
    searchTexts_.reserve(trips_.size());
    for (const TripRecord& trip : trips_) {
        searchTexts_.push_back(searchText(trip));
    }
}

std::optional<int> TripsModel::rowOfEntry(int number) const {
    const auto at = std::lower_bound(trips_.begin(), trips_.end(), number,
                                     [](const TripRecord& trip, int n) { return trip.number < n; });
    if (at == trips_.end() || at->number != number) {
        return std::nullopt;
    }
    return static_cast<int>(at - trips_.begin());
}

void TripsModel::putTrip(TripRecord record) {
    if (const std::optional<int> row = rowOfEntry(record.number)) {
        const auto at = static_cast<std::size_t>(*row);
        trips_[at] = std::move(record);
        searchTexts_[at] = searchText(trips_[at]);
        emit dataChanged(index(*row, 0), index(*row, ColumnCount - 1));
        return;
    }
    const auto at = std::lower_bound(trips_.begin(), trips_.end(), record.number,
                                     [](const TripRecord& trip, int n) { return trip.number < n; });
    const int row = static_cast<int>(at - trips_.begin());
    beginInsertRows({}, row, row);
    const auto inserted = trips_.insert(at, std::move(record));
    searchTexts_.insert(searchTexts_.begin() + row, searchText(*inserted));
    endInsertRows();
}

bool TripsModel::removeEntry(int number) {
    const std::optional<int> row = rowOfEntry(number);
    if (!row) {
        return false;
    }
    beginRemoveRows({}, *row, *row);
    trips_.erase(trips_.begin() + *row);
    searchTexts_.erase(searchTexts_.begin() + *row);
    endRemoveRows();
    return true;
}

void TripsModel::setMonthFirst(bool monthFirst) {
    if (monthFirst == monthFirst_) {
        return;
    }
    monthFirst_ = monthFirst;
    rebuildSearchTexts();
    if (!trips_.empty()) {
        emit dataChanged(index(0, DateColumn), index(rowCount() - 1, DateColumn));
    }
}

QList<int> TripsModel::years() const {
    std::set<int> years;
    for (const TripRecord& trip : trips_) {
        if (trip.date) {
            years.insert(biteclock::calendarDate(*trip.date).year);
        }
    }
    return QList<int>(years.begin(), years.end());
}

bool TripsModel::hasUndatedTrips() const {
    return std::any_of(trips_.begin(), trips_.end(), [](const TripRecord& trip) { return !trip.date; });
}

int TripsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(trips_.size());
}

int TripsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString TripsModel::dateText(const TripRecord& trip) const {
    if (trip.date) {
        const QString format = monthFirst_ ? QStringLiteral("MMM d, yyyy") : QStringLiteral("d MMM yyyy");
        return QLocale().toString(qDateOf(*trip.date), format);
    }
    if (!hasTypedDate(trip)) {
        return {};
    }
    const biteclock::JournalEntry& e = trip.entry;
    const QString day = fromUtf8(e.day);
    const QString month = fromUtf8(e.month);
    return (monthFirst_ ? QStringList{month, day, fromUtf8(e.year)}
                        : QStringList{day, month, fromUtf8(e.year)})
        .join(QLatin1Char('/'));
}

QString TripsModel::firstNotesLine(const TripRecord& trip) {
    const QStringList lines = notesLines(trip).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (!line.trimmed().isEmpty()) {
            return line.trimmed();
        }
    }
    return {};
}

QString TripsModel::displayText(const TripRecord& trip, int column) const {
    const biteclock::JournalEntry& e = trip.entry;
    switch (column) {
    case NumberColumn:
        return QString::number(trip.number);
    case DateColumn:
        return dateText(trip);
    case WeekdayColumn:
        return trip.date ? QLocale().dayName(qDateOf(*trip.date).dayOfWeek()) : QString();
    case CatchColumn:
        return fromUtf8(e.catchRating);
    case QuantityColumn:
        return fromUtf8(e.quantity);
    case TripTimeColumn:
        return fromUtf8(e.tripTime);
    case TemperatureColumn:
        return fromUtf8(e.temperature);
    case MoonAgeColumn:
        return trip.almanac ? QString::number(trip.almanac->moonAge) : QString();
    case PredictionColumn:
        return trip.almanac ? fromUtf8(trip.almanac->ratingText) : QString();
    case NotesColumn: {
        const QString note = statusNote(trip);
        const QString text =
            trip.status == JournalStore::ReadStatus::Unreadable ? trip.error : firstNotesLine(trip);
        if (note.isEmpty()) {
            return text;
        }
        return text.isEmpty() ? note : note + QStringLiteral(": ") + text;
    }
    default:
        return {};
    }
}

QVariant TripsModel::sortKey(const TripRecord& trip, int column) const {
    const biteclock::JournalEntry& e = trip.entry;
    const auto key = [](const auto& value) {
        return value ? QVariant(static_cast<double>(*value)) : QVariant();
    };
    switch (column) {
    case NumberColumn:
        return static_cast<double>(trip.number);
    case DateColumn:
        return trip.date ? QVariant(static_cast<double>(*trip.date)) : QVariant();
    case WeekdayColumn: {
        if (!trip.date) {
            return {};
        }
        // From the locale's first day of the week on.
        const int first = static_cast<int>(QLocale().firstDayOfWeek());
        return static_cast<double>((qDateOf(*trip.date).dayOfWeek() - first + 7) % 7);
    }
    case CatchColumn:
        return key(catchGrade(e.catchRating));
    case QuantityColumn:
        return key(fishQuantity(e.quantity));
    case TripTimeColumn:
        return key(tripLengthMinutes(e.tripTime));
    case TemperatureColumn:
        return key(leadingNumber(e.temperature));
    case MoonAgeColumn:
        return trip.almanac ? QVariant(static_cast<double>(trip.almanac->moonAge)) : QVariant();
    case PredictionColumn:
        return trip.almanac ? QVariant(static_cast<double>(trip.almanac->rating)) : QVariant();
    default:
        return {};
    }
}

QString TripsModel::toolTip(const TripRecord& trip, int column) const {
    if (trip.status != JournalStore::ReadStatus::Read && (column == NumberColumn || column == NotesColumn)) {
        return statusExplanation(trip);
    }
    switch (column) {
    case NumberColumn:
        return QStringLiteral("Entry %1 (%2): double-click or press Enter to open it in the journal.")
            .arg(trip.number)
            .arg(JournalStore::fileName(trip.number));
    case DateColumn:
        if (!trip.date && hasTypedDate(trip)) {
            return QStringLiteral("This is not a date from 1901 to 2200, so the trip has no Moon age or "
                                  "prediction.");
        }
        return trip.date ? QLocale().toString(qDateOf(*trip.date), QLocale::LongFormat) : QString();
    case MoonAgeColumn:
        return trip.almanac ? QStringLiteral("The Moon was %1 days old: days since the new moon.")
                                  .arg(trip.almanac->moonAge)
                            : QString();
    case PredictionColumn: {
        if (!trip.almanac) {
            return {};
        }
        const TripAlmanac& a = *trip.almanac;
        return QStringLiteral("Fishing prediction of the day at the current location: %1\nMajor periods: "
                              "%2\nMinor periods: %3")
            .arg(fromUtf8(a.ratingText), periodList(a.upperMajor, a.lowerMajor),
                 periodList(a.riseMinor, a.setMinor));
    }
    case NotesColumn:
        return tipText(notesLines(trip).trimmed());
    default: {
        const QString text = displayText(trip, column);
        return text.size() > 30 ? tipText(text) : QString();
    }
    }
}

QVariant TripsModel::decoration(const TripRecord& trip, int column) const {
    switch (column) {
    case NumberColumn:
        if (trip.status != JournalStore::ReadStatus::Read) {
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        }
        return {};
    case MoonAgeColumn:
        return trip.almanac ? QVariant(pictureIcon(trip.almanac->moonPictureId)) : QVariant();
    case PredictionColumn:
        if (trip.almanac) {
            if (const auto grade = biteclock::ratingGrade(trip.almanac->rating)) {
                return pictureIcon(grade->fishIconId);
            }
        }
        return {};
    default:
        return {};
    }
}

QIcon TripsModel::pictureIcon(int pictureId) const {
    // Drawing a picture from its vector image takes a while; a list shows the same few again and again.
    auto at = icons_.find(pictureId);
    if (at == icons_.end()) {
        at = icons_.insert(pictureId, IconProvider::icon(pictureId));
    }
    return *at;
}

QString TripsModel::searchText(const TripRecord& trip) const {
    const biteclock::JournalEntry& e = trip.entry;
    QStringList parts;
    for (int column = 0; column < ColumnCount; ++column) {
        parts.append(displayText(trip, column));
    }
    for (const std::string* field :
         {&e.day, &e.month, &e.year, &e.notes, &e.tideType, &e.windStrength, &e.windDirection, &e.tideState,
          &e.position1, &e.position2, &e.bestTime}) {
        parts.append(fromUtf8(*field));
    }
    if (trip.almanac) {
        const TripAlmanac& a = *trip.almanac;
        for (const std::string* period : {&a.upperMajor, &a.lowerMajor, &a.riseMinor, &a.setMinor}) {
            parts.append(fromUtf8(*period));
        }
    }
    parts.append(trip.error);
    return parts.join(QLatin1Char('\n')).toCaseFolded();
}

QVariant TripsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount) {
        return {};
    }
    const TripRecord& trip = trips_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return displayText(trip, column);
    case Qt::ToolTipRole: {
        const QString tip = toolTip(trip, column);
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    case Qt::DecorationRole:
        return decoration(trip, column);
    case Qt::TextAlignmentRole:
        // The Moon's age sits beside its picture.
        if (column == NumberColumn || (column == QuantityColumn && fishQuantity(trip.entry.quantity))) {
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        }
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
        if (column == NotesColumn && trip.status != JournalStore::ReadStatus::Read) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return {};
    case SortRole:
        return sortKey(trip, column);
    case SearchTextRole:
        return searchTexts_[static_cast<std::size_t>(index.row())];
    case YearRole:
        return trip.date ? QVariant(biteclock::calendarDate(*trip.date).year) : QVariant();
    case EntryNumberRole:
        return trip.number;
    default:
        return {};
    }
}

QVariant TripsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const char* const kTitles[ColumnCount] = {
        "No.",       "Date",        "Weekday",  "Catch",      "Fish",
        "Trip time", "Temperature", "Moon age", "Prediction", "Notes",
    };
    static const char* const kTips[ColumnCount] = {
        "The entry number: the file jour<number>.dat in the journal folder",
        "The trip's date",
        "The weekday of the trip's date",
        "Your rating of the catch",
        "The quantity of fish",
        "The trip time as entered; sorts by the length of the trip",
        "The water or air temperature",
        "The Moon's age on the trip's date: days since the new moon",
        "The fishing prediction of the trip's date at the current location",
        "The first line of the notes",
    };
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromLatin1(kTitles[section]);
    case Qt::ToolTipRole:
        return QString::fromLatin1(kTips[section]);
    default:
        return QAbstractTableModel::headerData(section, orientation, role);
    }
}
