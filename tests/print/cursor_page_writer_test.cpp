// The print position: text, line ends, tab columns and moves, on the recording writer's round
// metrics (10 twips of width and 23 of height per point).
#include "recording_page_writer.h"

#include <gtest/gtest.h>

TEST(CursorPageWriter, WritingMovesThePositionByTheTextWidth) {
    RecordingPageWriter w;
    w.setFontSize(20);
    w.write(QStringLiteral("abc"));
    EXPECT_EQ(w.position(), QPointF(600, 0));
    ASSERT_EQ(w.items.size(), 1);
    EXPECT_EQ(w.items[0].at, QPointF(0, 0));
    EXPECT_EQ(w.items[0].points, 20);
}

TEST(CursorPageWriter, EmptyTextDrawsNothing) {
    RecordingPageWriter w;
    w.write(QString());
    EXPECT_TRUE(w.items.isEmpty());
}

TEST(CursorPageWriter, ALineEndGoesToTheLeftMarginOneLineOfTheCurrentFontLower) {
    RecordingPageWriter w;
    w.setFontSize(20);
    w.moveTo(QPointF(300, 100));
    w.writeLine(QStringLiteral("x"));
    EXPECT_EQ(w.position(), QPointF(0, 100 + 460));
    w.setFontSize(8);
    w.endLine();
    EXPECT_EQ(w.position(), QPointF(0, 560 + 184));
}

TEST(CursorPageWriter, ATabColumnIsTheAverageCharacterWidthOfTheCurrentFont) {
    RecordingPageWriter w;
    w.setFontSize(20);
    w.tabTo(13);
    EXPECT_EQ(w.position(), QPointF(2400, 0));
    w.setFontSize(22);
    w.tabTo(25);
    EXPECT_EQ(w.position(), QPointF(24 * 220, 0));
    w.tabTo(1);
    EXPECT_EQ(w.position(), QPointF(0, 22 * 23)) << "a column left of the position is on the next line";
}

TEST(CursorPageWriter, ATabToThePositionItselfStaysOnTheLine) {
    RecordingPageWriter w;
    w.setFontSize(10);
    w.write(QStringLiteral("1234"));
    w.tabTo(5);
    EXPECT_EQ(w.position(), QPointF(400, 0));
}

TEST(CursorPageWriter, CirclesLeaveThePositionAlone) {
    RecordingPageWriter w;
    w.moveTo(QPointF(50, 60));
    w.circle(QPointF(500, 500), 150, Qt::black);
    EXPECT_EQ(w.position(), QPointF(50, 60));
    ASSERT_EQ(w.items.size(), 1);
    EXPECT_EQ(w.items[0].kind, RecordingPageWriter::Item::Kind::Circle);
    EXPECT_EQ(w.items[0].radius, 150);
}
