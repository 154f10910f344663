#include "chart_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMinDepth = 3.0;
constexpr double kDepthShare = 0.35; // of a column
constexpr double kLineReach = 8.0;   // how near a line or step a click must be
constexpr double kBarReach = 5.0;    // how far above a bar's top a click still hits it

bool isBar(ChartType type) {
    return type == ChartType::Bar2D || type == ChartType::Bar3D;
}
bool isLine(ChartType type) {
    return type == ChartType::Line2D || type == ChartType::Line3D;
}
bool isArea(ChartType type) {
    return type == ChartType::Area2D || type == ChartType::Area3D;
}

QPolygonF ribbon(QPointF from, QPointF to, QPointF depth) {
    return QPolygonF({from, to, to + depth, from + depth});
}

} // namespace

QPointF ChartGeometry::depth() const {
    if (!hasDepth(type_) || rows_ <= 0) {
        return {};
    }
    const double dx = std::clamp(columnWidth() * kDepthShare, kMinDepth, kMaxDepth);
    return {dx, -dx * kDepthRise};
}

QList<QPointF> stepOutline(const ChartGeometry& geometry, std::span<const int> values) {
    QList<QPointF> outline;
    const int rows = std::min(geometry.rows(), static_cast<int>(values.size()));
    outline.reserve(2 * rows);
    for (int row = 0; row < rows; ++row) {
        const double y = geometry.valueY(values[row]);
        outline.append({geometry.leftX(row), y});
        outline.append({geometry.leftX(row + 1), y});
    }
    return outline;
}

QList<DepthFace> depthFaces(const ChartGeometry& geometry, std::span<const int> values) {
    QList<DepthFace> faces;
    const QPointF depth = geometry.depth();
    const int rows = std::min(geometry.rows(), static_cast<int>(values.size()));
    if (depth.isNull() || rows <= 0) {
        return faces;
    }
    const ChartType type = geometry.type();
    if (isBar(type)) {
        const double half = geometry.columnWidth() * ChartGeometry::kBarWidth / 2;
        for (int row = 0; row < rows; ++row) {
            const double x = geometry.centreX(row);
            const QPointF topLeft(x - half, geometry.valueY(values[row]));
            const QPointF topRight(x + half, topLeft.y());
            const QPointF bottomRight(x + half, geometry.baseY());
            faces.append({ribbon(topLeft, topRight, depth), DepthFace::Shade::Top});
            faces.append({ribbon(bottomRight, topRight, depth), DepthFace::Shade::Side});
        }
        return faces;
    }
    QList<QPointF> outline;
    if (type == ChartType::Step3D) {
        outline = stepOutline(geometry, values);
    } else {
        for (int row = 0; row < rows; ++row) {
            outline.append(geometry.pointOf(row, values[row]));
        }
    }
    for (qsizetype i = 0; i + 1 < outline.size(); ++i) {
        const QPointF from = outline[i];
        const QPointF to = outline[i + 1];
        // A flat or rising stretch shows its top; a falling one its darker side.
        const bool top = to.y() <= from.y() && to.x() > from.x();
        faces.append({ribbon(from, to, depth), top ? DepthFace::Shade::Top : DepthFace::Shade::Side});
    }
    if (type != ChartType::Line3D) {
        const QPointF last = outline.back();
        faces.append({ribbon(QPointF(last.x(), geometry.baseY()), last, depth), DepthFace::Shade::Side});
    }
    return faces;
}

int hitRow(const ChartGeometry& geometry, std::span<const int> values, QPointF position) {
    const int rows = std::min(geometry.rows(), static_cast<int>(values.size()));
    const QRectF& plot = geometry.plotArea();
    const QPointF depth = geometry.depth();
    if (rows <= 0 || geometry.columnWidth() <= 0) {
        return -1;
    }
    if (position.x() < plot.left() || position.x() >= plot.right() + depth.x() ||
        position.y() < plot.top() + depth.y() - kLineReach || position.y() > plot.bottom()) {
        return -1;
    }
    const ChartType type = geometry.type();
    const double column = (position.x() - plot.left()) / geometry.columnWidth();
    if (isBar(type)) {
        const double half = geometry.columnWidth() * ChartGeometry::kBarWidth / 2;
        const int row = std::clamp(static_cast<int>(std::floor(column)), 0, rows - 1);
        // The bar's front, its top and side faces, and a little above its top.
        for (int candidate : {row, row - 1}) {
            if (candidate < 0) {
                continue;
            }
            const double x = geometry.centreX(candidate);
            const double top = geometry.valueY(values[candidate]);
            const bool across = position.x() >= x - half && position.x() <= x + half + depth.x();
            const bool upDown =
                position.y() >= top + depth.y() - kBarReach && position.y() <= geometry.baseY();
            if (across && upDown) {
                return candidate;
            }
        }
        return -1;
    }
    const int row = std::clamp(static_cast<int>(std::floor(column)), 0, rows - 1);
    const double pointY = geometry.valueY(values[row]);
    // The depth lifts the drawn shape: a click on the receding ribbon still counts.
    const double reachUp = kLineReach - depth.y();
    if (isArea(type)) {
        return position.y() >= pointY - reachUp ? row : -1;
    }
    if (isLine(type)) {
        // The line between this column's point and its nearer neighbour.
        const int next = position.x() >= geometry.centreX(row) ? row + 1 : row - 1;
        double lineY = pointY;
        if (next >= 0 && next < rows) {
            const double t =
                (position.x() - geometry.centreX(row)) / (geometry.centreX(next) - geometry.centreX(row));
            lineY = pointY + t * (geometry.valueY(values[next]) - pointY);
        }
        const double nearest = std::min(std::abs(position.y() - pointY), std::abs(position.y() - lineY));
        const bool above = position.y() < std::min(pointY, lineY);
        return nearest <= (above ? reachUp : kLineReach) ? row : -1;
    }
    const bool above = position.y() < pointY;
    return std::abs(position.y() - pointY) <= (above ? reachUp : kLineReach) ? row : -1;
}
