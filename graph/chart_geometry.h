#pragma once

#include "chart_type.h"

#include <QList>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <span>

/// Where the rows of the prediction chart fall inside its plot area: one column per row, the value
/// axis from 0 at the bottom to 100 at the top. All positions are in the chart's pixels.
class ChartGeometry {
public:
    /// The share of a column a bar fills.
    static constexpr double kBarWidth = 0.55;
    static constexpr double kMaxValue = 100.0;
    /// The farthest the 3-D types recede to the right, and how far up they rise per pixel of that.
    static constexpr double kMaxDepth = 14.0;
    static constexpr double kDepthRise = 0.7;

    ChartGeometry(const QRectF& plotArea, int rows, ChartType type)
        : plotArea_(plotArea)
        , rows_(rows)
        , type_(type) {}

    const QRectF& plotArea() const { return plotArea_; }
    int rows() const { return rows_; }
    ChartType type() const { return type_; }

    double columnWidth() const { return rows_ > 0 ? plotArea_.width() / rows_ : 0.0; }
    double centreX(int row) const { return plotArea_.left() + (row + 0.5) * columnWidth(); }
    double leftX(int row) const { return plotArea_.left() + row * columnWidth(); }
    double valueY(double value) const { return plotArea_.bottom() - value / kMaxValue * plotArea_.height(); }
    double baseY() const { return plotArea_.bottom(); }
    /// The centre of a row's point: on the bar top, the line or the step.
    QPointF pointOf(int row, double value) const { return {centreX(row), valueY(value)}; }

    /// How far the 3-D types recede: right and up. Zero for the 2-D types.
    QPointF depth() const;

private:
    QRectF plotArea_;
    int rows_ = 0;
    ChartType type_ = ChartType::Bar2D;
};

/// One face of the depth the 3-D chart types add to the flat shapes the chart draws.
struct DepthFace {
    enum class Shade { Top, Side };
    QPolygonF polygon;
    Shade shade = Shade::Top;
};

/// The receding faces of a 3-D chart type, back to front; none for the 2-D types.
/// Bars get a top and a right side each; lines and areas a ribbon along the line (areas also their
/// right end); steps a ribbon along the stepped outline.
QList<DepthFace> depthFaces(const ChartGeometry& geometry, std::span<const int> values);

/// The stepped outline of the step types: across each column at its value.
QList<QPointF> stepOutline(const ChartGeometry& geometry, std::span<const int> values);

/// The row whose point is under `position`, or -1: inside a bar (with its depth), near the line
/// or the step of a column, or inside the area under the line. A bar of value 0 can be hit just above
/// the axis.
int hitRow(const ChartGeometry& geometry, std::span<const int> values, QPointF position);
