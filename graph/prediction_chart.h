#pragma once

#include "chart_geometry.h"
#include "chart_type.h"
#include "row_label_layout.h"

#include <QBrush>
#include <QChartView>
#include <QColor>
#include <QList>
#include <QString>
#include <vector>

class QAbstractSeries;
class QBarCategoryAxis;
class QChart;
class QLineEdit;
class QValueAxis;

/// The prediction graph: one series of daily ratings (0 to 100) over the days' labels, in one of the
/// eight chart types, on a backdrop of one colour, with the "Selected Date:" overlay.
///
/// A passive plot: it draws exactly the rows it is given and reports clicks as row numbers (counted
/// from 0); the window decides what a row's date is and what selecting or activating it does.
class PredictionChart : public QChartView {
    Q_OBJECT
public:
    struct Row {
        QString label; ///< the day's label on the category axis, e.g. "5/3"
        int value = 0; ///< rating points 0 to 100
    };

    explicit PredictionChart(QWidget* parent = nullptr);

    /// Replaces all rows.
    void setRows(const QList<Row>& rows);
    int rowCount() const { return static_cast<int>(rows_.size()); }
    const QList<Row>& rows() const { return rows_; }

    void setChartType(ChartType type);
    ChartType chartType() const { return type_; }

    /// The plot area's fill; the overlay boxes take the same background.
    void setBackdropColour(const QColor& colour);
    QColor backdropColour() const { return backdrop_; }

    /// Shows "Selected Date:" and the given date text over the chart.
    void showSelectedDate(const QString& dateText);
    /// Hides both overlay boxes.
    void hideSelectedDate();
    /// Hides only the "Selected Date:" caption.
    void hideSelectedCaption();

    /// The plot area and the rows' columns, in the chart view's pixels.
    ChartGeometry geometry() const;
    /// The row under a point of the view, or -1.
    int rowAt(QPoint viewPosition) const;
    /// The centre of a row's point in the view's pixels (for a click on it).
    QPoint rowPosition(int row) const;
    /// The row last selected by a click or by the keyboard, or -1.
    int currentRow() const { return current_; }

    /// The date labels drawn under the plot at the present size: which rows carry one and where.
    /// The rows keep their labels whether drawn or not.
    const RowLabelLayout& rowLabelsShown() const { return labelLayout_; }
    /// The receding faces of the 3-D types at the present size (empty for 2-D types).
    const QList<DepthFace>& depthFacesShown() const { return faces_; }
    /// The series the chart draws (one).
    QAbstractSeries* series() const { return series_; }
    QBarCategoryAxis* categoryAxis() const { return categories_; }
    QValueAxis* valueAxis() const { return values_; }

    /// The "Selected Date:" caption and the selected point's date, in a band above the plot.
    QLineEdit* Text18 = nullptr;
    QLineEdit* Text3 = nullptr;

signals:
    /// A point was clicked (or chosen with the arrow keys).
    void pointSelected(int row);
    /// A point was double-clicked (or Enter pressed on the chosen point).
    void pointActivated(int row);
    /// The plot was clicked outside the points.
    void plotSelected();
    /// The plot was double-clicked outside the points.
    void plotActivated();
    /// The chart lost the keyboard focus to another control of the window.
    void focusLost();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    void rebuildSeries();
    void fillSeries();
    void updateDepthFaces();
    void updateRowLabels();
    int overlayBoxHeight() const;
    int overlayBandHeight() const;
    void applyColours();
    void placeOverlay();
    void selectRow(int row);
    std::vector<int> values() const;
    QColor seriesColour() const;
    void drawDepth(QPainter* painter) const;
    void drawRowLabels(QPainter* painter) const;

    QChart* chart_ = nullptr;
    QAbstractSeries* series_ = nullptr;
    QBarCategoryAxis* categories_ = nullptr;
    QValueAxis* values_ = nullptr;
    QList<Row> rows_;
    QList<DepthFace> faces_;
    RowLabelLayout labelLayout_;
    QBrush labelBrush_;
    ChartType type_ = ChartType::Bar2D;
    QColor backdrop_{0, 128, 192};
    int current_ = -1;
};
