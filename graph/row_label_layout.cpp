#include "row_label_layout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

RowLabelLayout layoutRowLabels(const ChartGeometry& geometry, const QStringList& labels,
                               const QFontMetricsF& metrics, double gap, double spacing) {
    RowLabelLayout layout;
    const int rows = std::min(geometry.rows(), static_cast<int>(labels.size()));
    const double column = geometry.columnWidth();
    if (rows <= 0 || column <= 0) {
        return layout;
    }
    QList<double> advances;
    advances.reserve(rows);
    double widest = 0;
    for (int row = 0; row < rows; ++row) {
        advances.append(metrics.horizontalAdvance(labels[row]));
        widest = std::max(widest, advances.back());
    }
    const double lineHeight = metrics.height();
    layout.upright = column < widest + spacing;
    // Upright labels stand one line height wide; a column narrower than that (with its spacing)
    // shares a label with its neighbours.
    const double across = layout.upright ? lineHeight : widest;
    layout.every = std::max(1, static_cast<int>(std::ceil((across + spacing) / column)));

    const double top = geometry.baseY() + gap;
    layout.labels.reserve(rows / layout.every + 1);
    for (int row = 0; row < rows; row += layout.every) {
        const double centre = geometry.centreX(row);
        const QRectF box = layout.upright
                               ? QRectF(centre - lineHeight / 2, top, lineHeight, advances[row])
                               : QRectF(centre - advances[row] / 2, top, advances[row], lineHeight);
        layout.labels.append({row, box});
    }
    return layout;
}
