#include "trip_stats_view.h"

#include "trip_group_chart.h"
#include "trip_group_texts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum TableColumn {
    GroupColumn,
    TripsColumn,
    GoodColumn,
    ShareColumn,
    WithQuantityColumn,
    AverageColumn,
    NoteColumn,
    TableColumnCount
};

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

int totalTrips(const std::vector<TripGroup>& groups) {
    int trips = 0;
    for (const TripGroup& group : groups) {
        trips += group.trips;
    }
    return trips;
}

} // namespace

TripStatsView::TripStatsView(QWidget* parent)
    : QWidget(parent) {
    groupingBox_ = new QComboBox(this);
    groupingBox_->setObjectName(QStringLiteral("groupingBox"));
    groupingBox_->addItem(QStringLiteral("Prediction of the day"));
    groupingBox_->addItem(QStringLiteral("Moon phase"));
    groupingBox_->addItem(QStringLiteral("Fishing period of the trip time"));
    groupingBox_->setToolTip(QStringLiteral("What the trips are grouped by"));
    auto* groupingLabel = new QLabel(QStringLiteral("&Group trips by:"), this);
    groupingLabel->setBuddy(groupingBox_);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("statsSummary"));
    summary_->setWordWrap(true);

    shareChart_ = new TripGroupChart(GroupMeasure::GoodCatchShare, this);
    shareChart_->setObjectName(QStringLiteral("shareChart"));
    quantityChart_ = new TripGroupChart(GroupMeasure::AverageQuantity, this);
    quantityChart_->setObjectName(QStringLiteral("quantityChart"));
    shareChart_->setAccessibleName(QStringLiteral("Share of good catches by group"));
    quantityChart_->setAccessibleName(QStringLiteral("Average quantity of fish by group"));

    table_ = new QTableWidget(0, TableColumnCount, this);
    table_->setObjectName(QStringLiteral("statsTable"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Group"), QStringLiteral("Trips"),
                                       QStringLiteral("Good catches"), QStringLiteral("Share good"),
                                       QStringLiteral("With a quantity"), QStringLiteral("Average fish"),
                                       QStringLiteral("Note")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setAlternatingRowColors(true);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(NoteColumn, QHeaderView::Stretch);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    table_->setAccessibleName(QStringLiteral("Trip groups"));

    footnote_ = new QLabel(this);
    footnote_->setObjectName(QStringLiteral("statsFootnote"));
    footnote_->setWordWrap(true);
    QPalette muted = footnote_->palette();
    muted.setColor(QPalette::WindowText, muted.color(QPalette::PlaceholderText));
    footnote_->setPalette(muted);

    auto* top = new QHBoxLayout;
    top->addWidget(groupingLabel);
    top->addWidget(groupingBox_);
    top->addSpacing(16);
    top->addWidget(summary_, 1);
    auto* charts = new QHBoxLayout;
    charts->addWidget(shareChart_);
    charts->addWidget(quantityChart_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(charts, 1);
    layout->addWidget(table_);
    layout->addWidget(footnote_);

    connect(groupingBox_, &QComboBox::currentIndexChanged, this, &TripStatsView::refresh);
    refresh();
}

void TripStatsView::showStats(const TripStats& stats, const QString& scope) {
    stats_ = stats;
    scope_ = scope;
    refresh();
}

void TripStatsView::setGrouping(Grouping grouping) {
    groupingBox_->setCurrentIndex(static_cast<int>(grouping));
}

TripStatsView::Grouping TripStatsView::grouping() const {
    return static_cast<Grouping>(groupingBox_->currentIndex());
}

const std::vector<TripGroup>& TripStatsView::shownGroups() const {
    switch (grouping()) {
    case Grouping::MoonPhase:
        return stats_.byPhase;
    case Grouping::FishingPeriod:
        return stats_.byPeriod;
    case Grouping::Prediction:
        break;
    }
    return stats_.byGrade;
}

QString TripStatsView::summaryText() const {
    return summary_->text();
}

void TripStatsView::refresh() {
    const std::vector<TripGroup>& groups = shownGroups();
    shareChart_->setGroups(groups);
    quantityChart_->setGroups(groups);
    fillTable(groups);

    QString summary;
    if (stats_.trips == 0) {
        summary = QStringLiteral("No trips to count.");
    } else if (grouping() == Grouping::FishingPeriod) {
        summary = QStringLiteral("%1 of the %2 with a date give clock times as their trip time (%3).")
                      .arg(tripCountText(totalTrips(groups)), tripCountText(stats_.dated), scope_);
    } else {
        summary = QStringLiteral("%1 with a date, of %2 (%3).")
                      .arg(tripCountText(stats_.dated), tripCountText(stats_.trips), scope_);
    }
    summary_->setText(summary);

    QString footnote =
        QStringLiteral(
            "A catch counts as good when it is rated Good or Excellent, or described as good in words. The "
            "average is over the trips whose quantity of fish is a number. Only trips with a date are "
            "counted, "
            "and a group of fewer than %1 trips shows no bar: so few trips say little.")
            .arg(TripGroup::kFewTrips);
    switch (grouping()) {
    case Grouping::Prediction:
        footnote += QStringLiteral(" The prediction is that of each trip's date at the current location.");
        break;
    case Grouping::MoonPhase:
        footnote += QStringLiteral(" By the Moon's age: New Moon 0 to 3 days and from 26, First Quarter 4 to "
                                   "10, Full Moon 11 to 18, Last Quarter 19 to 25.");
        break;
    case Grouping::FishingPeriod:
        footnote += QStringLiteral(
            " Trips whose trip time gives clock times, such as 06:00 - 09:30: a trip counts for a major "
            "period when it meets the two hours from one of its date's major period times, otherwise for a "
            "minor period in the same way.");
        break;
    }
    footnote_->setText(footnote);
}

void TripStatsView::fillTable(const std::vector<TripGroup>& groups) {
    table_->setRowCount(static_cast<int>(groups.size()));
    for (int row = 0; row < static_cast<int>(groups.size()); ++row) {
        const TripGroup& group = groups[static_cast<std::size_t>(row)];
        table_->setItem(row, GroupColumn, cell(groupName(group), Qt::AlignLeft | Qt::AlignVCenter));
        table_->setItem(row, TripsColumn, cell(QString::number(group.trips)));
        table_->setItem(row, GoodColumn,
                        cell(group.trips > 0 ? QString::number(group.goodCatches) : QString()));
        table_->setItem(row, ShareColumn, cell(shareText(group)));
        table_->setItem(row, WithQuantityColumn,
                        cell(group.trips > 0 ? QString::number(group.withQuantity) : QString()));
        table_->setItem(row, AverageColumn, cell(averageText(group)));
        QString note;
        if (group.trips == 0) {
            note = QStringLiteral("no trips");
        } else if (group.tooFew()) {
            note = QStringLiteral("fewer than %1 trips: too few to compare").arg(TripGroup::kFewTrips);
        }
        table_->setItem(row, NoteColumn, cell(note, Qt::AlignLeft | Qt::AlignVCenter));
        for (int column = 0; column < TableColumnCount; ++column) {
            table_->item(row, column)->setToolTip(groupSummary(group));
        }
    }
}
