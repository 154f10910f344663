#pragma once

#include "trip_log.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>
#include <optional>
#include <vector>

/// The journal's trips as a table: one row per entry file, damaged and unreadable ones included, in
/// entry-number order. Each row gives its display text, a sort key (numbers and dates as numbers) and
/// the text the filter searches.
class TripsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        NumberColumn,
        DateColumn,
        WeekdayColumn,
        CatchColumn,
        QuantityColumn,
        TripTimeColumn,
        TemperatureColumn,
        MoonAgeColumn,
        PredictionColumn,
        NotesColumn,
        ColumnCount
    };

    enum Role {
        /// A number to order the column by (a double), or nothing: the row then sorts by its text,
        /// after the rows with numbers.
        SortRole = Qt::UserRole + 1,
        /// Every field of the row's file and every text the row shows, case-folded (any column).
        SearchTextRole,
        /// The trip's year, or nothing for a trip without a date (any column).
        YearRole,
        /// The entry number (any column).
        EntryNumberRole,
    };

    explicit TripsModel(QObject* parent = nullptr);

    /// Replaces every row.
    void setTrips(std::vector<TripRecord> trips);
    const std::vector<TripRecord>& trips() const { return trips_; }
    const TripRecord& trip(int row) const { return trips_.at(static_cast<std::size_t>(row)); }
    /// The row of an entry number; none when the entry has no row.
    std::optional<int> rowOfEntry(int number) const;
    /// Puts a record in its place: over the row of its entry number, or as a new row in number order.
    void putTrip(TripRecord record);
    /// Removes the row of an entry number; false when there is none.
    bool removeEntry(int number);

    /// Dates as "12 Mar 2024" (day first) or "Mar 12, 2024" (month first).
    void setMonthFirst(bool monthFirst);
    bool monthFirst() const { return monthFirst_; }

    /// The years of the dated trips, in order.
    QList<int> years() const;
    /// Whether some trip has no date.
    bool hasUndatedTrips() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// The date text of a trip as its row shows it: the date, the typed boxes when they name no date,
    /// or nothing.
    QString dateText(const TripRecord& trip) const;
    /// The first line of a trip's notes that holds anything.
    static QString firstNotesLine(const TripRecord& trip);

private:
    QString displayText(const TripRecord& trip, int column) const;
    QVariant sortKey(const TripRecord& trip, int column) const;
    QString toolTip(const TripRecord& trip, int column) const;
    QVariant decoration(const TripRecord& trip, int column) const;
    QString searchText(const TripRecord& trip) const;
    QIcon pictureIcon(int pictureId) const;
    void rebuildSearchTexts();

    std::vector<TripRecord> trips_;
    std::vector<QString> searchTexts_; ///< per row, built when the row is set
    bool monthFirst_ = false;
    mutable QHash<int, QIcon> icons_; ///< the Moon and fish pictures by number, drawn once
};
