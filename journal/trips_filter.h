#pragma once

#include <QCollator>
#include <QSortFilterProxyModel>
#include <QStringList>

/// The trips the list shows and their order: rows of a TripsModel that hold every word typed into the
/// filter (in any field, any case) and fall in the chosen year; sorted by the columns' numbers and
/// dates where they give one, by text otherwise, and by entry number between equal rows.
class TripsFilter : public QSortFilterProxyModel {
    Q_OBJECT

public:
    /// The year choice: every trip, trips without a date, or one year.
    static constexpr int kAllYears = 0;
    static constexpr int kUndated = -1;

    explicit TripsFilter(QObject* parent = nullptr);

    /// The words every shown trip holds, separated by blanks.
    void setFilterText(const QString& text);
    QString filterText() const { return text_; }
    /// kAllYears, kUndated or a year.
    void setYear(int year);
    int year() const { return year_; }
    /// Whether the filter or the year leaves any trip out.
    bool narrowed() const { return !words_.isEmpty() || year_ != kAllYears; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    QString text_;
    QStringList words_; ///< case-folded
    int year_ = kAllYears;
    QCollator collator_;
};
