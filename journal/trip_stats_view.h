#pragma once

#include "trip_stats.h"

#include <QString>
#include <QWidget>
#include <vector>

class QComboBox;
class QLabel;
class QTableWidget;
class TripGroupChart;

/// The "Your trips" view: the trips grouped by the prediction of their date, by the Moon's phase, or
/// by whether the trip time met a fishing period; for each group its number of trips, the share of
/// good catches and the average quantity of fish, as two bar charts and a table.
class TripStatsView : public QWidget {
    Q_OBJECT

public:
    enum class Grouping { Prediction, MoonPhase, FishingPeriod };

    explicit TripStatsView(QWidget* parent = nullptr);

    /// Shows the statistics of the trips the list shows; `scope` says which ones they are.
    void showStats(const TripStats& stats, const QString& scope);
    void setGrouping(Grouping grouping);
    Grouping grouping() const;

    /// The groups the charts and the table show.
    const std::vector<TripGroup>& shownGroups() const;
    const TripStats& stats() const { return stats_; }
    TripGroupChart* shareChart() const { return shareChart_; }
    TripGroupChart* quantityChart() const { return quantityChart_; }
    QTableWidget* table() const { return table_; }
    QString summaryText() const;

private:
    void refresh();
    void fillTable(const std::vector<TripGroup>& groups);

    TripStats stats_;
    QString scope_;
    QComboBox* groupingBox_ = nullptr;
    QLabel* summary_ = nullptr;
    TripGroupChart* shareChart_ = nullptr;
    TripGroupChart* quantityChart_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* footnote_ = nullptr;
};
