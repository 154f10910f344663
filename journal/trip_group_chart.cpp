#include "trip_group_chart.h"

#include "trip_group_texts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCursor>
#include <QFontMetricsF>
#include <QGraphicsSimpleTextItem>
#include <QToolTip>
#include <QValueAxis>
#include <algorithm>

namespace {

const QColor kBarColour(46, 117, 182);
const QColor kNoteColour(96, 96, 96);

} // namespace

TripGroupChart::TripGroupChart(GroupMeasure measure, QWidget* parent)
    : QChartView(parent)
    , measure_(measure) {
    auto* chart = new QChart;
    chart->setTitle(measure == GroupMeasure::GoodCatchShare ? QStringLiteral("Share of good catches")
                                                            : QStringLiteral("Average quantity of fish"));
    QFont titleFont = chart->titleFont();
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);

    series_ = new QBarSeries;
    bars_ = new QBarSet(chart->title());
    bars_->setColor(kBarColour);
    bars_->setBorderColor(kBarColour.darker(130));
    series_->append(bars_);
    series_->setBarWidth(0.6);
    chart->addSeries(series_);

    categories_ = new QBarCategoryAxis;
    valueAxis_ = new QValueAxis;
    chart->addAxis(categories_, Qt::AlignBottom);
    chart->addAxis(valueAxis_, Qt::AlignLeft);
    series_->attachAxis(categories_);
    series_->attachAxis(valueAxis_);
    if (measure == GroupMeasure::GoodCatchShare) {
        valueAxis_->setRange(0, 100);
        valueAxis_->setTickCount(6);
        valueAxis_->setLabelFormat(QStringLiteral("%.0f %%"));
    }

    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(320, 240);
    connect(chart, &QChart::plotAreaChanged, this, &TripGroupChart::placeNotes);
    connect(bars_, &QBarSet::hovered, this, &TripGroupChart::showDetail);
}

void TripGroupChart::setGroups(const std::vector<TripGroup>& groups) {
    groups_ = groups;
    values_.clear();
    notes_.clear();
    for (const TripGroup& group : groups_) {
        std::optional<double> value;
        if (!group.tooFew()) {
            if (measure_ == GroupMeasure::GoodCatchShare) {
                if (const auto share = group.goodCatchShare()) {
                    value = *share * 100;
                }
            } else {
                value = group.averageQuantity();
            }
        }
        values_.push_back(value);
        notes_.append(barNote(group, measure_));
    }

    bars_->remove(0, bars_->count());
    for (const std::optional<double>& value : values_) {
        bars_->append(value.value_or(0));
    }
    categories_->setCategories(categoryTexts(namesWrapped_));
    if (measure_ == GroupMeasure::AverageQuantity) {
        double highest = 0;
        for (const std::optional<double>& value : values_) {
            highest = std::max(highest, value.value_or(0));
        }
        // Room above the tallest bar for its value.
        valueAxis_->setRange(0, std::max(1.0, highest * 1.2));
        valueAxis_->applyNiceNumbers();
        valueAxis_->setLabelFormat(valueAxis_->max() >= 5 ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
    }

    while (noteItems_.size() > static_cast<std::size_t>(notes_.size())) {
        delete noteItems_.back();
        noteItems_.pop_back();
    }
    while (noteItems_.size() < static_cast<std::size_t>(notes_.size())) {
        auto* item = new QGraphicsSimpleTextItem(chart());
        item->setZValue(10);
        noteItems_.push_back(item);
    }
    placeNotes();
}

QStringList TripGroupChart::categoryLabels() const {
    return categories_->categories();
}

void TripGroupChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    placeNotes();
}

QStringList TripGroupChart::categoryTexts(bool wrapNames) const {
    QStringList labels;
    for (const TripGroup& group : groups_) {
        // The axis draws its labels as rich text: the count goes on a line of its own, and in a narrow
        // chart each word of the name too, since the axis would rather cut a label than wrap it. The
        // lines are centred under the bar.
        QString name = groupName(group).toHtmlEscaped();
        if (wrapNames) {
            name.replace(QLatin1Char(' '), QStringLiteral("<br>"));
        }
        labels.append(QStringLiteral("<center>%1<br>%2</center>").arg(name, tripCountText(group.trips)));
    }
    return labels;
}

void TripGroupChart::fitCategoryLabels(double slotWidth) {
    // The axis gives a label less than its slot (its margins and spacing); beyond about 60 percent
    // of it a name is cut.
    constexpr double kLabelShareOfSlot = 0.6;
    const QFontMetricsF metrics(categories_->labelsFont());
    bool wrap = false;
    for (const TripGroup& group : groups_) {
        wrap = wrap || metrics.horizontalAdvance(groupName(group)) > slotWidth * kLabelShareOfSlot;
    }
    if (wrap != namesWrapped_) {
        namesWrapped_ = wrap;
        categories_->setCategories(categoryTexts(wrap));
    }
}

void TripGroupChart::placeNotes() {
    if (noteItems_.empty()) {
        return;
    }
    const QRectF plot = chart()->plotArea();
    const double slotWidth = plot.width() / static_cast<double>(noteItems_.size());
    if (plot.isValid()) {
        fitCategoryLabels(slotWidth);
    }
    for (std::size_t i = 0; i < noteItems_.size(); ++i) {
        QGraphicsSimpleTextItem* item = noteItems_[i];
        const bool hasBar = values_[i].has_value();
        QString text = notes_[static_cast<qsizetype>(i)];
        QFont font = chart()->font();
        font.setBold(hasBar);
        font.setItalic(!hasBar);
        item->setFont(font);
        // A note wider than its group's slot goes on two lines.
        if (QFontMetricsF(font).horizontalAdvance(text) > slotWidth * 0.95) {
            const qsizetype middle = text.size() / 2;
            const qsizetype after = text.indexOf(QLatin1Char(' '), middle);
            const qsizetype before = text.lastIndexOf(QLatin1Char(' '), middle);
            const qsizetype cut =
                after < 0 ? before : (before < 0 || after - middle < middle - before ? after : before);
            if (cut > 0) {
                text[cut] = QLatin1Char('\n');
            }
        }
        item->setText(text);
        item->setBrush(hasBar ? QBrush(kBarColour.darker(160)) : QBrush(kNoteColour));
        const QPointF base =
            chart()->mapToPosition(QPointF(static_cast<double>(i), values_[i].value_or(0)), series_);
        const QRectF box = item->boundingRect();
        item->setPos(base.x() - box.width() / 2, base.y() - box.height() - 4);
        item->setVisible(plot.isValid());
    }
}

QString TripGroupChart::detailText(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= groups_.size()) {
        return {};
    }
    return groupSummary(groups_[static_cast<std::size_t>(index)]);
}

void TripGroupChart::showDetail(bool hovered, int index) {
    if (hovered) {
        QToolTip::showText(QCursor::pos(), detailText(index), this);
    } else {
        QToolTip::hideText();
    }
}
