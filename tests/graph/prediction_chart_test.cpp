// The prediction chart widget offscreen: rows, types, colour, overlay and the click signals.
#include "chart_colour.h"
#include "gui_test_application.h"
#include "prediction_chart.h"

#include <QAbstractSeries>
#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QImage>
#include <QLineEdit>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTest>
#include <QValueAxis>
#include <gtest/gtest.h>

namespace {

QList<PredictionChart::Row> rowsFrom(const QList<int>& values) {
    QList<PredictionChart::Row> rows;
    for (int i = 0; i < values.size(); ++i) {
        rows.append({QStringLiteral("%1/3").arg(i + 1), values[i]});
    }
    return rows;
}

QList<int> sixtyValues() {
    QList<int> values;
    for (int i = 0; i < 60; ++i) {
        values.append((i * 33) % 132 == 99 ? 100 : (i * 33) % 132);
    }
    return values;
}

class PredictionChartTest : public testing::Test {
protected:
    PredictionChartTest() {
        chart.resize(640, 400);
        chart.show();
        QCoreApplication::processEvents();
    }
    QApplication& app = guiTestApplication();
    PredictionChart chart;
};

TEST_F(PredictionChartTest, FixedDesign) {
    EXPECT_EQ(chart.categoryAxis()->titleText().toStdString(), "Future Dates");
    EXPECT_EQ(chart.valueAxis()->titleText().toStdString(), "Prediction %");
    EXPECT_EQ(chart.valueAxis()->max(), 100.0);
    EXPECT_EQ(chart.valueAxis()->min(), 0.0);
    EXPECT_EQ(chart.chart()->series().size(), 1);
    EXPECT_EQ(chart.objectName().toStdString(), "MSChart1");
    EXPECT_FALSE(chart.Text18->isVisible());
    EXPECT_FALSE(chart.Text3->isVisible());
}

TEST_F(PredictionChartTest, DrawsExactlyTheRowsGiven) {
    chart.setRows(rowsFrom(sixtyValues()));
    ASSERT_EQ(chart.rowCount(), 60);
    EXPECT_EQ(chart.categoryAxis()->count(), 60);
    EXPECT_EQ(chart.rows()[0].label.toStdString(), "1/3");
    EXPECT_EQ(chart.rows()[59].label.toStdString(), "60/3");
    auto* bars = qobject_cast<QBarSeries*>(chart.series());
    ASSERT_NE(bars, nullptr);
    ASSERT_EQ(bars->barSets().size(), 1);
    EXPECT_EQ(bars->barSets()[0]->count(), 60);
    EXPECT_EQ(bars->barSets()[0]->at(3), 100.0);

    chart.setRows(rowsFrom({66, 0}));
    EXPECT_EQ(chart.rowCount(), 2);
    EXPECT_EQ(chart.categoryAxis()->count(), 2);
    EXPECT_EQ(qobject_cast<QBarSeries*>(chart.series())->barSets()[0]->count(), 2);
    EXPECT_EQ(chart.chart()->series().size(), 1) << "a refill replaces the series";
}

TEST_F(PredictionChartTest, RepeatedLabelsKeepTheirOwnColumns) {
    chart.setRows({{QStringLiteral("1/1"), 0}, {QStringLiteral("1/1"), 33}});
    EXPECT_EQ(chart.categoryAxis()->count(), 2);
}

TEST_F(PredictionChartTest, EightTypes) {
    chart.setRows(rowsFrom({0, 33, 66, 100, 33}));
    const QAbstractSeries::SeriesType expected[] = {
        QAbstractSeries::SeriesTypeBar,  QAbstractSeries::SeriesTypeBar,  QAbstractSeries::SeriesTypeLine,
        QAbstractSeries::SeriesTypeLine, QAbstractSeries::SeriesTypeArea, QAbstractSeries::SeriesTypeArea,
        QAbstractSeries::SeriesTypeLine, QAbstractSeries::SeriesTypeLine};
    for (int number = 0; number < kChartTypeCount; ++number) {
        chart.setChartType(chartTypeFromNumber(number));
        EXPECT_EQ(chart.chartType(), chartTypeFromNumber(number));
        ASSERT_NE(chart.series(), nullptr);
        EXPECT_EQ(chart.series()->type(), expected[number]) << number;
        EXPECT_EQ(chart.chart()->series().size(), 1);
        EXPECT_EQ(chart.depthFacesShown().isEmpty(), number % 2 == 1) << number;
    }
    chart.setChartType(ChartType::Step2D);
    auto* steps = qobject_cast<QLineSeries*>(chart.series());
    ASSERT_NE(steps, nullptr);
    EXPECT_EQ(steps->count(), 10) << "two points across each column";
    chart.setChartType(ChartType::Area2D);
    auto* area = qobject_cast<QAreaSeries*>(chart.series());
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->upperSeries()->count(), 5);
}

TEST_F(PredictionChartTest, ThreeDimensionalTypesDifferFromTheFlatOnesOnScreen) {
    chart.setRows(rowsFrom({33, 66, 100, 66, 33}));
    for (auto [deep, flat] : {std::pair{ChartType::Bar3D, ChartType::Bar2D},
                              {ChartType::Line3D, ChartType::Line2D},
                              {ChartType::Area3D, ChartType::Area2D},
                              {ChartType::Step3D, ChartType::Step2D}}) {
        chart.setChartType(deep);
        const QImage deepImage = chart.grab().toImage();
        chart.setChartType(flat);
        const QImage flatImage = chart.grab().toImage();
        EXPECT_NE(deepImage, flatImage) << static_cast<int>(deep);
    }
}

TEST_F(PredictionChartTest, BlueBelowSixteenIsAppliedExactly) {
    chart.setRows(rowsFrom({0, 0, 0, 0}));
    const QColor colour = chart_colour::fromPacked(12 + 256 * 11 + 65536 * 10);
    chart.setBackdropColour(colour);
    EXPECT_EQ(chart.chart()->plotAreaBackgroundBrush().color(), QColor(12, 11, 10));
    EXPECT_EQ(chart.Text3->palette().color(QPalette::Base), QColor(12, 11, 10));
    EXPECT_EQ(chart.Text18->palette().color(QPalette::Base), QColor(12, 11, 10));
    // On screen: a spot of the plot between grid lines and away from any shape.
    const ChartGeometry g = chart.geometry();
    const QImage image = chart.grab().toImage();
    const QPoint spot(static_cast<int>(g.leftX(2) + 2), static_cast<int>(g.valueY(50)));
    EXPECT_EQ(image.pixelColor(spot * image.devicePixelRatio()), QColor(12, 11, 10));
}

TEST_F(PredictionChartTest, ClickSelectsAndDoubleClickActivatesAPoint) {
    chart.setRows(rowsFrom({66, 33, 100, 0, 66, 33, 100}));
    QSignalSpy selected(&chart, &PredictionChart::pointSelected);
    QSignalSpy activated(&chart, &PredictionChart::pointActivated);
    for (int number = 0; number < kChartTypeCount; ++number) {
        chart.setChartType(chartTypeFromNumber(number));
        selected.clear();
        activated.clear();
        QTest::mouseClick(chart.viewport(), Qt::LeftButton, {}, chart.rowPosition(4));
        ASSERT_EQ(selected.size(), 1) << number;
        EXPECT_EQ(selected[0][0].toInt(), 4);
        QTest::mouseDClick(chart.viewport(), Qt::LeftButton, {}, chart.rowPosition(4));
        ASSERT_EQ(activated.size(), 1) << number;
        EXPECT_EQ(activated[0][0].toInt(), 4);
    }
}

TEST_F(PredictionChartTest, ClickOnThePlotOutsideThePoints) {
    chart.setRows(rowsFrom({0, 0, 0}));
    QSignalSpy selected(&chart, &PredictionChart::pointSelected);
    QSignalSpy plot(&chart, &PredictionChart::plotSelected);
    QSignalSpy plotActivated(&chart, &PredictionChart::plotActivated);
    const ChartGeometry g = chart.geometry();
    const QPoint empty(static_cast<int>(g.centreX(1)), static_cast<int>(g.valueY(80)));
    QTest::mouseClick(chart.viewport(), Qt::LeftButton, {}, empty);
    EXPECT_EQ(selected.size(), 0);
    EXPECT_EQ(plot.size(), 1);
    QTest::mouseDClick(chart.viewport(), Qt::LeftButton, {}, empty);
    EXPECT_EQ(plotActivated.size(), 1);
}

TEST_F(PredictionChartTest, OverlayShowsTheDateAndHidesOnRequest) {
    chart.setBackdropColour(QColor(255, 0, 0));
    chart.showSelectedDate(QStringLiteral("4/3/2001"));
    EXPECT_TRUE(chart.Text18->isVisible());
    EXPECT_TRUE(chart.Text3->isVisible());
    EXPECT_EQ(chart.Text18->text().toStdString(), "Selected Date:");
    EXPECT_EQ(chart.Text3->text().toStdString(), "4/3/2001");
    // Above the plot, over its left part.
    const QRectF plot = chart.geometry().plotArea();
    EXPECT_LE(chart.Text3->geometry().bottom(), plot.top());
    EXPECT_GE(chart.Text3->geometry().center().x(), plot.left());
    EXPECT_LE(chart.Text3->geometry().center().x(), plot.right());
    chart.hideSelectedCaption();
    EXPECT_FALSE(chart.Text18->isVisible());
    EXPECT_TRUE(chart.Text3->isVisible());
    chart.hideSelectedDate();
    EXPECT_FALSE(chart.Text3->isVisible());
}

TEST_F(PredictionChartTest, LosingTheFocusHidesTheOverlay) {
    QWidget window;
    auto* chartInWindow = new PredictionChart(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 420);
    chartInWindow->resize(640, 400);
    window.resize(640, 460);
    window.show();
    window.activateWindow();
    QCoreApplication::processEvents();
    QSignalSpy lost(chartInWindow, &PredictionChart::focusLost);
    chartInWindow->setFocus(Qt::MouseFocusReason);
    chartInWindow->showSelectedDate(QStringLiteral("1/1/2000"));
    other->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(lost.size(), 1);
    EXPECT_FALSE(chartInWindow->Text18->isVisible());
    EXPECT_FALSE(chartInWindow->Text3->isVisible());
}

TEST_F(PredictionChartTest, ArrowKeysChooseAndEnterActivates) {
    chart.setRows(rowsFrom({0, 33, 66}));
    QSignalSpy selected(&chart, &PredictionChart::pointSelected);
    QSignalSpy activated(&chart, &PredictionChart::pointActivated);
    QTest::keyClick(&chart, Qt::Key_Right);
    QTest::keyClick(&chart, Qt::Key_Right);
    QTest::keyClick(&chart, Qt::Key_Right);
    QTest::keyClick(&chart, Qt::Key_Right);
    ASSERT_EQ(selected.size(), 4);
    EXPECT_EQ(selected.last()[0].toInt(), 2) << "stops at the last row";
    QTest::keyClick(&chart, Qt::Key_Left);
    QTest::keyClick(&chart, Qt::Key_Return);
    ASSERT_EQ(activated.size(), 1);
    EXPECT_EQ(activated[0][0].toInt(), 1);
}

TEST_F(PredictionChartTest, FewerRowsForgetAChosenRowBeyondThem) {
    chart.setRows(rowsFrom({0, 33, 66}));
    QTest::keyClick(&chart, Qt::Key_End);
    EXPECT_EQ(chart.currentRow(), 2);
    chart.setRows(rowsFrom({0, 33}));
    EXPECT_EQ(chart.currentRow(), -1);
    QSignalSpy activated(&chart, &PredictionChart::pointActivated);
    QTest::keyClick(&chart, Qt::Key_Return);
    EXPECT_EQ(activated.size(), 0);
}

} // namespace
