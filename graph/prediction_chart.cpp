#include "prediction_chart.h"

#include "row_label_layout.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kOverlayGap = 4; // around the "Selected Date:" boxes in the band above the plot
constexpr int kLeftMargin = 4;
constexpr int kRightMargin = 16; // room for the depth of the 3-D types
constexpr int kBottomMargin = 4;

constexpr int kLabelGap = 6; // between the plot's bottom edge and a date label

/// The most the 3-D types rise above the plot's top.
int depthRise() {
    return static_cast<int>(std::ceil(ChartGeometry::kMaxDepth * ChartGeometry::kDepthRise));
}

// The axis lays its labels out as text items, which is slow to redo on every date step. So it holds
// placeholders as wide as a date label, which change only with the number of rows, and draws nothing;
// the widget paints the real labels in their place. The names must differ, hence the invisible spaces.
QStringList placeholderLabels(int count) {
    QStringList labels;
    labels.reserve(count);
    for (int row = 0; row < count; ++row) {
        labels.append(QStringLiteral("00/00") + QString(row, QChar(0x200B)));
    }
    return labels;
}

QLineEdit* overlayBox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setFrame(false);
    box->setAlignment(Qt::AlignCenter);
    box->hide();
    return box;
}

} // namespace

PredictionChart::PredictionChart(QWidget* parent)
    : QChartView(parent)
    , Text18(overlayBox(this, QStringLiteral("Text18")))
    , Text3(overlayBox(this, QStringLiteral("Text3")))
    , chart_(new QChart)
    , categories_(new QBarCategoryAxis)
    , values_(new QValueAxis) {
    setObjectName(QStringLiteral("MSChart1"));
    setChart(chart_);
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 150);
    setFrameShape(QFrame::NoFrame);

    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->legend()->hide();
    chart_->setBackgroundRoundness(0);
    chart_->setMargins(QMargins(kLeftMargin, overlayBandHeight(), kRightMargin, kBottomMargin));
    chart_->setPlotAreaBackgroundVisible(true);

    categories_->setTitleText(QStringLiteral("Future Dates"));
    categories_->setGridLineVisible(false);
    labelBrush_ = categories_->labelsBrush();
    categories_->setLabelsBrush(Qt::transparent);
    values_->setTitleText(QStringLiteral("Prediction %"));
    values_->setRange(0, ChartGeometry::kMaxValue);
    values_->setTickCount(6);
    values_->setLabelFormat(QStringLiteral("%d"));
    chart_->addAxis(categories_, Qt::AlignBottom);
    chart_->addAxis(values_, Qt::AlignLeft);

    Text18->setText(QStringLiteral("Selected Date:"));
    Text18->setAccessibleName(tr("Selected date caption"));
    Text3->setAccessibleName(tr("Selected date"));
    connect(chart_, &QChart::plotAreaChanged, this, [this] {
        updateDepthFaces();
        updateRowLabels();
        placeOverlay();
    });
    rebuildSeries();
    applyColours();
}

void PredictionChart::setRows(const QList<Row>& rows) {
    rows_ = rows;
    if (current_ >= rowCount()) {
        current_ = -1;
    }
    fillSeries();
}

void PredictionChart::setChartType(ChartType type) {
    if (type == type_) {
        return;
    }
    type_ = type;
    rebuildSeries();
}

void PredictionChart::setBackdropColour(const QColor& colour) {
    backdrop_ = colour;
    applyColours();
}

void PredictionChart::showSelectedDate(const QString& dateText) {
    Text3->setText(dateText);
    placeOverlay();
    Text18->show();
    Text3->show();
    Text18->raise();
    Text3->raise();
}

void PredictionChart::hideSelectedDate() {
    Text18->hide();
    Text3->hide();
}

void PredictionChart::hideSelectedCaption() {
    Text18->hide();
}

ChartGeometry PredictionChart::geometry() const {
    const QRectF plot = chart_->mapRectToScene(chart_->plotArea());
    return ChartGeometry(mapFromScene(plot).boundingRect(), rowCount(), type_);
}

int PredictionChart::rowAt(QPoint viewPosition) const {
    const std::vector<int> points = values();
    return hitRow(geometry(), points, QPointF(viewPosition));
}

QPoint PredictionChart::rowPosition(int row) const {
    if (row < 0 || row >= rowCount()) {
        return {};
    }
    return geometry().pointOf(row, rows_[row].value).toPoint() + QPoint(0, 1);
}

std::vector<int> PredictionChart::values() const {
    std::vector<int> points;
    points.reserve(rows_.size());
    for (const Row& row : rows_) {
        points.push_back(std::clamp(row.value, 0, static_cast<int>(ChartGeometry::kMaxValue)));
    }
    return points;
}

QColor PredictionChart::seriesColour() const {
    // Amber on a dark backdrop, navy on a light one.
    return backdrop_.lightnessF() < 0.6 ? QColor(255, 196, 0) : QColor(0, 40, 120);
}

void PredictionChart::rebuildSeries() {
    if (series_ != nullptr) {
        chart_->removeSeries(series_);
        delete series_;
        series_ = nullptr;
    }
    switch (type_) {
    case ChartType::Bar2D:
    case ChartType::Bar3D: {
        auto* bars = new QBarSeries;
        bars->append(new QBarSet(QStringLiteral("Prediction")));
        bars->setBarWidth(ChartGeometry::kBarWidth);
        series_ = bars;
        break;
    }
    case ChartType::Area2D:
    case ChartType::Area3D: {
        auto* upper = new QLineSeries;
        auto* area = new QAreaSeries(upper);
        upper->setParent(area);
        series_ = area;
        break;
    }
    case ChartType::Line2D:
    case ChartType::Line3D:
    case ChartType::Step2D:
    case ChartType::Step3D: {
        auto* line = new QLineSeries;
        line->setPointsVisible(type_ == ChartType::Line2D);
        series_ = line;
        break;
    }
    }
    // Upright bars look the same without smoothing, which halves the cost of painting them.
    setRenderHint(QPainter::Antialiasing, !qobject_cast<QBarSeries*>(series_));
    chart_->addSeries(series_);
    series_->attachAxis(categories_);
    series_->attachAxis(values_);
    applyColours();
    fillSeries();
}

void PredictionChart::fillSeries() {
    if (categories_->count() != rowCount()) {
        categories_->setCategories(placeholderLabels(rowCount()));
    }

    // The data is replaced in one call per series, so that a refill costs one relayout.
    const std::vector<int> points = values();
    const int count = static_cast<int>(points.size());
    if (auto* bars = qobject_cast<QBarSeries*>(series_)) {
        QBarSet* set = bars->barSets().constFirst();
        QList<qreal> heights(points.begin(), points.end());
        if (set->count() == count) {
            for (int row = 0; row < count; ++row) {
                if (set->at(row) != heights[row]) {
                    set->replace(row, heights[row]);
                }
            }
        } else {
            set->remove(0, set->count());
            set->append(heights);
        }
    } else {
        QList<QPointF> line;
        const bool steps = type_ == ChartType::Step2D || type_ == ChartType::Step3D;
        line.reserve(steps ? 2 * count : count);
        for (int row = 0; row < count; ++row) {
            if (steps) {
                line.append({row - 0.5, static_cast<qreal>(points[row])});
                line.append({row + 0.5, static_cast<qreal>(points[row])});
            } else {
                line.append({static_cast<qreal>(row), static_cast<qreal>(points[row])});
            }
        }
        if (auto* area = qobject_cast<QAreaSeries*>(series_)) {
            area->upperSeries()->replace(line);
        } else if (auto* xy = qobject_cast<QLineSeries*>(series_)) {
            xy->replace(line);
        }
    }
    // Every column stays centred on its label, even for a single day.
    if (count > 0) {
        categories_->setRange(categories_->at(0), categories_->at(count - 1));
    }
    updateDepthFaces();
    updateRowLabels();
}

void PredictionChart::applyColours() {
    chart_->setPlotAreaBackgroundBrush(backdrop_);
    const QColor ink = seriesColour();
    const QColor edge = ink.darker(160);
    if (auto* bars = qobject_cast<QBarSeries*>(series_)) {
        for (QBarSet* set : bars->barSets()) {
            set->setColor(ink);
            set->setBorderColor(edge);
        }
    } else if (auto* area = qobject_cast<QAreaSeries*>(series_)) {
        area->setColor(ink);
        area->setBorderColor(edge);
        area->setPen(QPen(edge, 1.5));
    } else if (auto* line = qobject_cast<QLineSeries*>(series_)) {
        line->setPen(QPen(ink, hasDepth(type_) ? 1.5 : 2.5));
    }
    const QColor text = backdrop_.lightnessF() < 0.5 ? QColor(Qt::white) : QColor(Qt::black);
    for (QLineEdit* box : {Text18, Text3}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, backdrop_);
        palette.setColor(QPalette::Window, backdrop_);
        palette.setColor(QPalette::Text, text);
        box->setPalette(palette);
        box->setAutoFillBackground(true);
    }
    viewport()->update();
}

void PredictionChart::updateDepthFaces() {
    const std::vector<int> points = values();
    faces_ = depthFaces(geometry(), points);
    viewport()->update();
}

void PredictionChart::updateRowLabels() {
    const QFontMetricsF metrics(categories_->labelsFont());
    QStringList labels;
    labels.reserve(rows_.size());
    for (const Row& row : rows_) {
        labels.append(row.label);
    }
    // A digit's width keeps neighbouring labels apart.
    const double spacing = metrics.horizontalAdvance(QLatin1Char('0'));
    labelLayout_ = layoutRowLabels(geometry(), labels, metrics, kLabelGap, spacing);
    // The axis reserves the room under the plot for labels of the same turn; its own stay invisible.
    const int angle = labelLayout_.upright ? -90 : 0;
    if (categories_->labelsAngle() != angle) {
        categories_->setLabelsAngle(angle);
    }
    viewport()->update();
}

int PredictionChart::overlayBoxHeight() const {
    return QFontMetrics(Text18->font()).height() + 4;
}

int PredictionChart::overlayBandHeight() const {
    // The boxes and, under them, the most the 3-D types rise above the plot, so that the caption never
    // covers a bar, a line or its depth, whatever the type.
    return overlayBoxHeight() + 2 * kOverlayGap + depthRise();
}

void PredictionChart::placeOverlay() {
    const int band = overlayBandHeight();
    if (chart_->margins().top() != band) {
        chart_->setMargins(QMargins(kLeftMargin, band, kRightMargin, kBottomMargin));
    }
    const QRect plot = geometry().plotArea().toAlignedRect();
    const QFontMetrics metrics(Text18->font());
    const int height = overlayBoxHeight();
    const int captionWidth = metrics.horizontalAdvance(Text18->text()) + 12;
    const int dateWidth = metrics.horizontalAdvance(QStringLiteral("00/00/0000")) + 12;
    // Over the plot's left edge when there is room, else as far left as keeps the date in view.
    const int left =
        std::max(kOverlayGap, std::min(plot.left(), width() - captionWidth - dateWidth - kOverlayGap));
    const int top = std::max(0, plot.top() - depthRise() - kOverlayGap - height);
    Text18->setGeometry(left, top, captionWidth, height);
    Text3->setGeometry(left + captionWidth, top, dateWidth, height);
}

void PredictionChart::selectRow(int row) {
    current_ = row;
    emit pointSelected(row);
}

void PredictionChart::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        setFocus(Qt::MouseFocusReason);
        const int row = rowAt(event->position().toPoint());
        if (row >= 0) {
            selectRow(row);
        } else if (geometry().plotArea().contains(event->position())) {
            emit plotSelected();
        }
        event->accept();
        return;
    }
    QChartView::mousePressEvent(event);
}

void PredictionChart::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void PredictionChart::mouseMoveEvent(QMouseEvent* event) {
    setCursor(rowAt(event->position().toPoint()) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    QChartView::mouseMoveEvent(event);
}

void PredictionChart::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const int row = rowAt(event->position().toPoint());
        if (row >= 0) {
            current_ = row;
            emit pointActivated(row);
        } else if (geometry().plotArea().contains(event->position())) {
            emit plotActivated();
        }
        event->accept();
        return;
    }
    QChartView::mouseDoubleClickEvent(event);
}

void PredictionChart::keyPressEvent(QKeyEvent* event) {
    const int last = rowCount() - 1;
    switch (event->key()) {
    case Qt::Key_Left:
        if (last >= 0) {
            selectRow(current_ <= 0 ? 0 : current_ - 1);
        }
        break;
    case Qt::Key_Right:
        if (last >= 0) {
            selectRow(current_ < 0 ? 0 : std::min(current_ + 1, last));
        }
        break;
    case Qt::Key_Home:
        if (last >= 0) {
            selectRow(0);
        }
        break;
    case Qt::Key_End:
        if (last >= 0) {
            selectRow(last);
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (current_ >= 0) {
            emit pointActivated(current_);
        }
        break;
    default:
        QChartView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void PredictionChart::focusOutEvent(QFocusEvent* event) {
    QChartView::focusOutEvent(event);
    // Opening a menu or switching to another program does not move the focus to another control.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::MenuBarFocusReason ||
        event->reason() == Qt::ActiveWindowFocusReason) {
        return;
    }
    hideSelectedDate();
    emit focusLost();
}

void PredictionChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    updateDepthFaces();
    updateRowLabels();
    placeOverlay();
}

void PredictionChart::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    painter->save();
    // The faces and labels are worked out in the view's pixels; the painter works in scene units.
    painter->setTransform(viewportTransform().inverted(), true);
    painter->setRenderHint(QPainter::Antialiasing);
    drawDepth(painter);
    drawRowLabels(painter);
    painter->restore();
}

void PredictionChart::drawDepth(QPainter* painter) const {
    if (faces_.isEmpty()) {
        return;
    }
    const QColor ink = seriesColour();
    const QBrush top(ink.lighter(125));
    const QBrush side(ink.darker(150));
    painter->setPen(QPen(ink.darker(180), 1));
    for (const DepthFace& face : faces_) {
        painter->setBrush(face.shade == DepthFace::Shade::Top ? top : side);
        painter->drawPolygon(face.polygon);
    }
}

void PredictionChart::drawRowLabels(QPainter* painter) const {
    painter->setFont(categories_->labelsFont());
    painter->setPen(labelBrush_.color());
    for (const RowLabelLayout::Placed& placed : labelLayout_.labels) {
        if (placed.row >= rowCount()) {
            continue;
        }
        const QString& text = rows_[placed.row].label;
        const QRectF& box = placed.box;
        if (labelLayout_.upright) {
            // Read from the bottom up, ending at the axis.
            painter->save();
            painter->translate(box.center().x(), box.top());
            painter->rotate(-90);
            painter->drawText(QRectF(-box.height(), -box.width() / 2, box.height(), box.width()),
                              Qt::AlignRight | Qt::AlignVCenter, text);
            painter->restore();
        } else {
            painter->drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
        }
    }
}
