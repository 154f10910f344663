// The prediction chart's date labels and its "Selected Date:" caption at many widths and day counts,
// judged on the rendered picture: no two labels run into each other and the caption leaves the plot alone.
#include "gui_test_application.h"
#include "prediction_chart.h"
#include "row_label_layout.h"

#include <QBarCategoryAxis>
#include <QDate>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr int kChartHeight = 320;
const int kWidths[] = {300, 440, 500, 640, 900, 1280, 1920, 2560};
const int kDays[] = {2, 5, 10, 15, 20, 21, 30, 45, 60};

/// Day "/" month labels from 9 December, so that the widest labels ("31/12") and the turn of the
/// year are among them, with every grade of the prediction.
QList<PredictionChart::Row> dateRows(int days, int value = -1) {
    QList<PredictionChart::Row> rows;
    for (int i = 0; i < days; ++i) {
        const QDate d = QDate(2026, 12, 9).addDays(i);
        const int grade = value >= 0 ? value : (i % 4 == 3 ? 100 : (i % 4) * 33);
        rows.append({QStringLiteral("%1/%2").arg(d.day()).arg(d.month()), grade});
    }
    return rows;
}

struct InkRun {
    int left = 0;
    int right = 0; // inclusive
    int width() const { return right - left + 1; }
};

/// The stretches of columns of `image` that carry dark ink between the rows `top` and `bottom`, from
/// the column `left` on; gaps of up to `mergeGap` blank columns (between the glyphs of one label) are
/// bridged. The axis' tick marks are light grey and do not count.
QList<InkRun> inkRuns(const QImage& image, int top, int bottom, int left, int mergeGap) {
    QList<InkRun> runs;
    for (int x = std::max(0, left); x < image.width(); ++x) {
        bool ink = false;
        for (int y = std::max(0, top); y <= std::min(bottom, image.height() - 1) && !ink; ++y) {
            ink = qGray(image.pixel(x, y)) < 140;
        }
        if (!ink) {
            continue;
        }
        if (!runs.isEmpty() && x - runs.last().right - 1 <= mergeGap) {
            runs.last().right = x;
        } else {
            runs.append({x, x});
        }
    }
    return runs;
}

/// The label ink in a strip just under the chart's axis and above its title, which every label
/// crosses. The glyphs of one label are closer than a digit's width; labels stand farther apart.
QList<InkRun> labelInk(PredictionChart& chart) {
    const QImage image = chart.grab().toImage();
    const ChartGeometry g = chart.geometry();
    const int base = static_cast<int>(g.baseY());
    const QFontMetricsF metrics(chart.categoryAxis()->labelsFont());
    const int digit = static_cast<int>(metrics.horizontalAdvance(QLatin1Char('0')));
    return inkRuns(image, base + 8, base + 14, static_cast<int>(g.plotArea().left()) - 2, digit - 1);
}

class DateLabelsTest : public testing::TestWithParam<ChartType> {
protected:
    QApplication& app = guiTestApplication();
};

/// One label's ink at most: along the text when level, across it when upright.
double singleLabelInk(const PredictionChart& chart, const QList<PredictionChart::Row>& rows) {
    const QFontMetricsF metrics(chart.categoryAxis()->labelsFont());
    if (chart.categoryAxis()->labelsAngle() != 0) {
        return metrics.tightBoundingRect(QStringLiteral("0123456789/")).height() + 2;
    }
    double widest = 0;
    for (const PredictionChart::Row& row : rows) {
        widest = std::max(widest, metrics.tightBoundingRect(row.label).width());
    }
    return widest + 2;
}

TEST_P(DateLabelsTest, NeverRunIntoEachOtherAtAnyWidthOrDayCount) {
    PredictionChart chart;
    chart.setChartType(GetParam());
    chart.show();
    for (int days : kDays) {
        const QList<PredictionChart::Row> rows = dateRows(days);
        chart.setRows(rows);
        for (int width : kWidths) {
            SCOPED_TRACE(testing::Message() << days << " days, " << width << " px");
            chart.resize(width, kChartHeight);
            QCoreApplication::processEvents();
            const ChartGeometry g = chart.geometry();

            // On the picture: no stretch of ink under the axis is wider than one label.
            const QList<InkRun> runs = labelInk(chart);
            ASSERT_FALSE(runs.isEmpty());
            const double single = singleLabelInk(chart, rows);
            for (const InkRun& run : runs) {
                EXPECT_LE(run.width(), single)
                    << "labels run together at x " << run.left << " to " << run.right;
            }
            // The displayed date's label is there, and enough of the others to read the axis by.
            EXPECT_LE(std::abs((runs.first().left + runs.first().right) / 2.0 - g.centreX(0)),
                      single / 2 + 1);
            const int room = static_cast<int>(g.plotArea().width() / (3 * single));
            EXPECT_GE(runs.size(), std::min(days, std::max(1, room)));

            // The boxes the chart reports: every n-th row from the first, under the plot, apart.
            const RowLabelLayout& shown = chart.rowLabelsShown();
            ASSERT_FALSE(shown.labels.isEmpty());
            EXPECT_EQ(shown.upright, chart.categoryAxis()->labelsAngle() != 0);
            for (int i = 0; i < shown.labels.size(); ++i) {
                const QRectF& box = shown.labels[i].box;
                EXPECT_EQ(shown.labels[i].row, i * shown.every);
                EXPECT_GE(box.top(), g.plotArea().bottom());
                EXPECT_TRUE(QRectF(chart.rect()).contains(box)) << "row " << shown.labels[i].row;
                for (int j = i + 1; j < shown.labels.size(); ++j) {
                    EXPECT_FALSE(box.intersects(shown.labels[j].box))
                        << "rows " << shown.labels[i].row << " and " << shown.labels[j].row;
                }
            }
            // ... and they are what is drawn: one box per stretch of ink, the ink inside it.
            EXPECT_EQ(runs.size(), shown.labels.size());
            for (const InkRun& run : runs) {
                const bool inABox =
                    std::any_of(shown.labels.begin(), shown.labels.end(), [&](const auto& placed) {
                        return run.left >= placed.box.left() - 1 && run.right <= placed.box.right() + 1;
                    });
                EXPECT_TRUE(inABox) << "ink at x " << run.left << " to " << run.right;
            }

            // Every row keeps its own label, drawn or not.
            ASSERT_EQ(chart.rows().size(), rows.size());
            for (int row = 0; row < rows.size(); ++row) {
                EXPECT_EQ(chart.rows()[row].label, rows[row].label);
            }
        }
    }
}

TEST_P(DateLabelsTest, FollowTheWidthWithoutARefill) {
    PredictionChart chart;
    chart.setChartType(GetParam());
    chart.show();
    chart.setRows(dateRows(60));
    chart.resize(500, kChartHeight);
    QCoreApplication::processEvents();
    EXPECT_TRUE(chart.rowLabelsShown().upright);
    EXPECT_GT(chart.rowLabelsShown().every, 1) << "sixty upright labels do not fit 500 pixels";
    chart.resize(2560, kChartHeight);
    QCoreApplication::processEvents();
    EXPECT_EQ(chart.rowLabelsShown().every, 1);
    EXPECT_EQ(chart.rowLabelsShown().labels.size(), 60);

    // Fifteen days stand level on a wide chart and turn upright on a narrow one, and back.
    chart.setRows(dateRows(15));
    QCoreApplication::processEvents();
    EXPECT_FALSE(chart.rowLabelsShown().upright);
    EXPECT_EQ(chart.rowLabelsShown().labels.size(), 15);
    EXPECT_EQ(chart.categoryAxis()->labelsAngle(), 0);
    chart.resize(440, kChartHeight);
    QCoreApplication::processEvents();
    EXPECT_TRUE(chart.rowLabelsShown().upright);
    EXPECT_EQ(chart.categoryAxis()->labelsAngle(), -90);
    chart.resize(1280, kChartHeight);
    QCoreApplication::processEvents();
    EXPECT_FALSE(chart.rowLabelsShown().upright);
}

class SelectedDateCaptionTest : public testing::TestWithParam<ChartType> {
protected:
    QApplication& app = guiTestApplication();
};

TEST_P(SelectedDateCaptionTest, LeavesThePlotAndItsDepthUntouched) {
    PredictionChart chart;
    chart.setChartType(GetParam());
    chart.show();
    for (int days : {2, 15, 60}) {
        // Full marks everywhere: the bars, lines and their depth reach the top of the plot.
        chart.setRows(dateRows(days, 100));
        for (int width : {300, 500, 900, 2560}) {
            SCOPED_TRACE(testing::Message() << days << " days, " << width << " px");
            chart.resize(width, kChartHeight);
            chart.hideSelectedDate();
            QCoreApplication::processEvents();
            const QImage plain = chart.grab().toImage();
            chart.showSelectedDate(QStringLiteral("28/12/2026"));
            QCoreApplication::processEvents();
            const QImage shown = chart.grab().toImage();

            // The plot and everything the chart draws above it for depth.
            QRectF drawn = chart.geometry().plotArea();
            for (const DepthFace& face : chart.depthFacesShown()) {
                drawn = drawn.united(face.polygon.boundingRect());
            }
            const QRect region = drawn.toAlignedRect().intersected(plain.rect());
            int covered = 0;
            for (int y = region.top(); y <= region.bottom(); ++y) {
                for (int x = region.left(); x <= region.right(); ++x) {
                    covered += plain.pixel(x, y) != shown.pixel(x, y) ? 1 : 0;
                }
            }
            EXPECT_EQ(covered, 0) << "pixels of the plot changed by the caption";
            for (const QLineEdit* box : {chart.Text18, chart.Text3}) {
                EXPECT_TRUE(box->isVisible());
                EXPECT_FALSE(QRectF(box->geometry()).intersects(drawn)) << box->objectName().toStdString();
                EXPECT_TRUE(chart.rect().contains(box->geometry())) << box->objectName().toStdString();
            }
            EXPECT_FALSE(chart.Text18->geometry().intersects(chart.Text3->geometry()));
        }
    }
}

TEST(RowLabelLayout, NoRowsOneRowAndFewerLabelsThanRows) {
    guiTestApplication();
    const QFontMetricsF metrics(QFont(QStringLiteral("DejaVu Sans"), 9));
    const QRectF plot(50, 20, 400, 200);
    EXPECT_TRUE(
        layoutRowLabels(ChartGeometry(plot, 0, ChartType::Bar2D), {}, metrics, 6, 7).labels.isEmpty());

    const RowLabelLayout one =
        layoutRowLabels(ChartGeometry(plot, 1, ChartType::Bar2D), {QStringLiteral("31/12")}, metrics, 6, 7);
    ASSERT_EQ(one.labels.size(), 1);
    EXPECT_FALSE(one.upright);
    EXPECT_DOUBLE_EQ(one.labels[0].box.center().x(), 250);
    EXPECT_DOUBLE_EQ(one.labels[0].box.top(), 226);

    // Rows without a label text get no box rather than another row's.
    const RowLabelLayout short_ =
        layoutRowLabels(ChartGeometry(plot, 4, ChartType::Bar2D),
                        {QStringLiteral("1/1"), QStringLiteral("2/1")}, metrics, 6, 7);
    ASSERT_EQ(short_.labels.size(), 2);
    EXPECT_EQ(short_.labels[1].row, 1);
}

std::string typeName(const testing::TestParamInfo<ChartType>& type) {
    return "Type" + std::to_string(static_cast<int>(type.param));
}

// The labels do not depend on the shape drawn: one type of each shape, flat and deep.
INSTANTIATE_TEST_SUITE_P(OfEachShape, DateLabelsTest,
                         testing::Values(ChartType::Bar3D, ChartType::Line2D, ChartType::Area3D,
                                         ChartType::Step2D),
                         typeName);

// The depth reaches up differently for each type.
INSTANTIATE_TEST_SUITE_P(EveryType, SelectedDateCaptionTest,
                         testing::Values(ChartType::Bar3D, ChartType::Bar2D, ChartType::Line3D,
                                         ChartType::Line2D, ChartType::Area3D, ChartType::Area2D,
                                         ChartType::Step3D, ChartType::Step2D),
                         typeName);

} // namespace
