#pragma once

#include "chart_geometry.h"

#include <QList>
#include <QRectF>
#include <QStringList>

class QFontMetricsF;

/// Where the prediction chart writes the rows' date labels under its plot.
///
/// Labels stand level when each fits its column with room to spare; otherwise they stand upright, and
/// where even upright labels would touch only every n-th row (always starting with the first, the
/// displayed date) carries one. Worked out from the font and the plot's width, so it follows every
/// resize and every change of the number of rows.
struct RowLabelLayout {
    struct Placed {
        int row = 0;
        QRectF box; ///< the text's box in the chart's pixels, as drawn (turned when upright)
    };
    bool upright = false;
    int every = 1; ///< a label on rows 0, every, 2 x every, ...
    QList<Placed> labels;
};

/// Lays out one label per row, `labels[i]` for row i, `gap` pixels under the plot of `geometry`.
/// Neighbouring boxes keep at least `spacing` pixels between them.
RowLabelLayout layoutRowLabels(const ChartGeometry& geometry, const QStringList& labels,
                               const QFontMetricsF& metrics, double gap, double spacing);
