#include "trips_filter.h"

#include "trips_model.h"

TripsFilter::TripsFilter(QObject* parent)
    : QSortFilterProxyModel(parent) {
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    collator_.setNumericMode(true);
    setSortRole(TripsModel::SortRole);
}

void TripsFilter::setFilterText(const QString& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    const QStringList words = text.toCaseFolded().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words == words_) {
        return;
    }
    words_ = words;
    invalidateRowsFilter();
}

void TripsFilter::setYear(int year) {
    if (year == year_) {
        return;
    }
    year_ = year;
    invalidateRowsFilter();
}

bool TripsFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    if (year_ != kAllYears) {
        const QVariant year = index.data(TripsModel::YearRole);
        if (year_ == kUndated ? year.isValid() : (!year.isValid() || year.toInt() != year_)) {
            return false;
        }
    }
    if (words_.isEmpty()) {
        return true;
    }
    const QString text = index.data(TripsModel::SearchTextRole).toString();
    for (const QString& word : words_) {
        if (!text.contains(word)) {
            return false;
        }
    }
    return true;
}

bool TripsFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(TripsModel::SortRole);
    const QVariant b = right.data(TripsModel::SortRole);
    // Rows with a number come first, in number order; the others by their text, empty ones last.
    if (a.isValid() != b.isValid()) {
        return a.isValid();
    }
    if (a.isValid()) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        if (x != y) {
            return x < y;
        }
    } else {
        const QString s = left.data(Qt::DisplayRole).toString();
        const QString t = right.data(Qt::DisplayRole).toString();
        if (s.isEmpty() != t.isEmpty()) {
            return t.isEmpty();
        }
        if (const int order = collator_.compare(s, t); order != 0) {
            return order < 0;
        }
    }
    return left.data(TripsModel::EntryNumberRole).toInt() < right.data(TripsModel::EntryNumberRole).toInt();
}
