#pragma once

#include "trip_group_texts.h"
#include "trip_stats.h"

#include <QChartView>
#include <QStringList>
#include <optional>
#include <vector>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QGraphicsSimpleTextItem;
class QValueAxis;

/// A bar chart of one measure of the trip groups: the share of good catches, or the average quantity
/// of fish. Every group is labelled with its number of trips. A group of fewer than 5 trips gets no
/// bar but the words "fewer than 5 trips" in its place, since a share of so few trips says little.
class TripGroupChart : public QChartView {
    Q_OBJECT

public:
    explicit TripGroupChart(GroupMeasure measure, QWidget* parent = nullptr);

    void setGroups(const std::vector<TripGroup>& groups);

    GroupMeasure measure() const { return measure_; }
    /// Each group's bar height (a percentage for the share), or none where the group has no bar.
    const std::vector<std::optional<double>>& barValues() const { return values_; }
    /// The words over each group's place: its bar's value, or why it has no bar.
    const QStringList& noteTexts() const { return notes_; }
    /// The groups' labels along the bottom: the group and, on a line of its own, its number of trips
    /// ("<center>Good<br>6 trips</center>"); in a chart too narrow for a name, each of its words on a line of
    /// its own.
    QStringList categoryLabels() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeNotes();
    QStringList categoryTexts(bool wrapNames) const;
    /// Puts each word of the group names on a line of its own when a name is wider than its slot.
    void fitCategoryLabels(double slotWidth);
    QString detailText(int index) const;
    void showDetail(bool hovered, int index);

    GroupMeasure measure_;
    QBarSeries* series_ = nullptr;
    QBarSet* bars_ = nullptr;
    QBarCategoryAxis* categories_ = nullptr;
    QValueAxis* valueAxis_ = nullptr;
    std::vector<TripGroup> groups_;
    std::vector<std::optional<double>> values_;
    QStringList notes_;
    bool namesWrapped_ = false;
    std::vector<QGraphicsSimpleTextItem*> noteItems_;
};
