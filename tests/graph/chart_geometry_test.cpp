// Where the chart's rows fall, the depth of the 3-D types and which row a click hits.
#include "chart_geometry.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

const QRectF kPlot(100, 50, 600, 400); // 10 columns of 60 pixels, 4 pixels per rating point

TEST(ChartGeometry, ColumnsAndValues) {
    const ChartGeometry g(kPlot, 10, ChartType::Bar2D);
    EXPECT_DOUBLE_EQ(g.columnWidth(), 60.0);
    EXPECT_DOUBLE_EQ(g.centreX(0), 130.0);
    EXPECT_DOUBLE_EQ(g.centreX(9), 670.0);
    EXPECT_DOUBLE_EQ(g.valueY(0), 450.0);
    EXPECT_DOUBLE_EQ(g.valueY(100), 50.0);
    EXPECT_DOUBLE_EQ(g.valueY(33), 318.0);
}

TEST(ChartGeometry, OnlyTheThreeDimensionalTypesHaveDepth) {
    for (int number = 0; number < kChartTypeCount; ++number) {
        const ChartType type = chartTypeFromNumber(number);
        const ChartGeometry g(kPlot, 10, type);
        EXPECT_EQ(g.depth().isNull(), number % 2 == 1) << number;
        if (number % 2 == 0) {
            EXPECT_GT(g.depth().x(), 0.0);
            EXPECT_LT(g.depth().y(), 0.0) << "depth recedes upwards";
        }
    }
}

TEST(ChartGeometry, FacesPerType) {
    const std::vector<int> values{0, 33, 66, 100, 66, 33, 0, 100, 33, 66};
    EXPECT_EQ(depthFaces(ChartGeometry(kPlot, 10, ChartType::Bar3D), values).size(), 20);  // top and side
    EXPECT_EQ(depthFaces(ChartGeometry(kPlot, 10, ChartType::Line3D), values).size(), 9);  // one per segment
    EXPECT_EQ(depthFaces(ChartGeometry(kPlot, 10, ChartType::Area3D), values).size(), 10); // and the end
    EXPECT_EQ(depthFaces(ChartGeometry(kPlot, 10, ChartType::Step3D), values).size(),
              20); // across and up/down
    for (ChartType flat : {ChartType::Bar2D, ChartType::Line2D, ChartType::Area2D, ChartType::Step2D}) {
        EXPECT_TRUE(depthFaces(ChartGeometry(kPlot, 10, flat), values).isEmpty());
    }
}

TEST(ChartGeometry, BarTopFaceSitsOnTheBar) {
    const std::vector<int> values{100, 0};
    const ChartGeometry g(kPlot, 2, ChartType::Bar3D);
    const QList<DepthFace> faces = depthFaces(g, values);
    ASSERT_EQ(faces.size(), 4);
    EXPECT_EQ(faces[0].shade, DepthFace::Shade::Top);
    EXPECT_DOUBLE_EQ(faces[0].polygon[0].y(), g.valueY(100));
    EXPECT_DOUBLE_EQ(faces[0].polygon[2].y(), g.valueY(100) + g.depth().y());
    EXPECT_EQ(faces[1].shade, DepthFace::Shade::Side);
    // A "Poor" day still shows a slab on the axis.
    EXPECT_DOUBLE_EQ(faces[2].polygon[0].y(), g.baseY());
}

TEST(ChartGeometry, StepOutlineSpansEachColumn) {
    const std::vector<int> values{0, 100};
    const QList<QPointF> outline = stepOutline(ChartGeometry(kPlot, 2, ChartType::Step2D), values);
    ASSERT_EQ(outline.size(), 4);
    EXPECT_EQ(outline[0], QPointF(100, 450));
    EXPECT_EQ(outline[1], QPointF(400, 450));
    EXPECT_EQ(outline[2], QPointF(400, 50));
    EXPECT_EQ(outline[3], QPointF(700, 50));
}

TEST(HitRow, BarsAreHitInsideAndJustAbove) {
    const std::vector<int> values{0, 33, 66, 100, 66, 33, 0, 100, 33, 66};
    const ChartGeometry g(kPlot, 10, ChartType::Bar2D);
    EXPECT_EQ(hitRow(g, values, QPointF(g.centreX(4), g.valueY(30))), 4);
    EXPECT_EQ(hitRow(g, values, QPointF(g.centreX(3), g.valueY(99))), 3);
    EXPECT_EQ(hitRow(g, values, QPointF(g.centreX(0), g.baseY() - 2)), 0) << "a Poor day can be picked";
    EXPECT_EQ(hitRow(g, values, QPointF(g.centreX(1), g.valueY(60))), -1) << "above the bar";
    EXPECT_EQ(hitRow(g, values, QPointF(g.leftX(4) + 1, g.valueY(10))), -1) << "between the bars";
    EXPECT_EQ(hitRow(g, values, QPointF(50, 300)), -1) << "outside the plot";
}

TEST(HitRow, ThreeDimensionalBarsAreHitOnTheirFaces) {
    const std::vector<int> values{50, 50};
    const ChartGeometry g(kPlot, 2, ChartType::Bar3D);
    const double half = g.columnWidth() * ChartGeometry::kBarWidth / 2;
    const QPointF onSide(g.centreX(0) + half + g.depth().x() / 2, g.valueY(25));
    EXPECT_EQ(hitRow(g, values, onSide), 0);
    const QPointF onTop(g.centreX(1), g.valueY(50) + g.depth().y() / 2);
    EXPECT_EQ(hitRow(g, values, onTop), 1);
}

TEST(HitRow, LinesStepsAndAreas) {
    const std::vector<int> values{0, 100, 0, 66};
    const ChartGeometry line(kPlot, 4, ChartType::Line2D);
    EXPECT_EQ(hitRow(line, values, line.pointOf(1, 100)), 1);
    EXPECT_EQ(hitRow(line, values, line.pointOf(3, 66) + QPointF(0, 5)), 3);
    EXPECT_EQ(hitRow(line, values, QPointF(line.centreX(3), line.valueY(20))), -1);

    const ChartGeometry step(kPlot, 4, ChartType::Step2D);
    EXPECT_EQ(hitRow(step, values, QPointF(step.leftX(2) + 3, step.valueY(0) - 2)), 2);
    EXPECT_EQ(hitRow(step, values, QPointF(step.centreX(2), step.valueY(50))), -1);

    const ChartGeometry area(kPlot, 4, ChartType::Area2D);
    EXPECT_EQ(hitRow(area, values, QPointF(area.centreX(3), area.valueY(20))), 3);
    EXPECT_EQ(hitRow(area, values, QPointF(area.centreX(3), area.valueY(90))), -1);
}

TEST(HitRow, NoRowsNoHit) {
    const ChartGeometry g(kPlot, 0, ChartType::Bar2D);
    EXPECT_EQ(hitRow(g, {}, QPointF(200, 300)), -1);
}

} // namespace
