// The proportional resizer on plain widgets offscreen.
#include "gui_test_application.h"
#include "resizer.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

template <typename W> W* control(QWidget* parent, const char* name, QRect place) {
    auto* widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(place);
    return widget;
}

class ResizerTest : public testing::Test {
protected:
    ResizerTest() {
        window.resize(400, 300);
        day = control<QLineEdit>(&window, "Text1", {10, 10, 60, 24});
        button = control<QPushButton>(&window, "Command1", {50, 100, 80, 30});
        frame = control<QGroupBox>(&window, "Frame1", {200, 40, 180, 200});
        inner = control<QLabel>(frame, "Label5", {10, 20, 100, 20});
    }

    void resizeTo(int width, int height) {
        window.resize(width, height);
        resizer.Resize(&window);
    }

    QApplication& app = guiTestApplication();
    QWidget window;
    Resizer resizer;
    QLineEdit* day = nullptr;
    QPushButton* button = nullptr;
    QGroupBox* frame = nullptr;
    QLabel* inner = nullptr;
};

TEST_F(ResizerTest, FirstResizeAttaches) {
    EXPECT_FALSE(resizer.initialised());
    resizer.Resize(&window);
    EXPECT_TRUE(resizer.initialised());
    EXPECT_EQ(resizer.attachWidth(), 400);
    EXPECT_EQ(resizer.attachHeight(), 300);
    EXPECT_EQ(resizer.records().Count(), 4);
    const rObject* record = resizer.records().Item(QStringLiteral("Command1"));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->oLeft, 50);
    EXPECT_EQ(record->oTop, 100);
    EXPECT_EQ(record->oWidth, 80);
    EXPECT_EQ(record->oHeight, 30);
    EXPECT_EQ(button->geometry(), QRect(50, 100, 80, 30)) << "same size: nothing moves";
}

TEST_F(ResizerTest, ScalesPlaceAndSizeWithTheWindow) {
    resizer.Resize(&window);
    resizeTo(800, 600);
    EXPECT_EQ(resizer.horizontalFactor(), 2.0f);
    EXPECT_EQ(resizer.verticalFactor(), 2.0f);
    EXPECT_EQ(button->geometry(), QRect(100, 200, 160, 60));
    EXPECT_EQ(frame->geometry(), QRect(400, 80, 360, 400));
    EXPECT_EQ(inner->geometry(), QRect(20, 40, 200, 40)) << "controls inside frames scale too";
    resizeTo(600, 150);
    EXPECT_EQ(button->geometry(), QRect(75, 50, 120, 15)) << "width and height scale apart";
}

TEST_F(ResizerTest, RoundTripPutsEveryControlBack) {
    resizer.Resize(&window);
    for (QSize size : {QSize(1920, 1080), QSize(533, 377), QSize(401, 299), QSize(1000, 301)}) {
        resizeTo(size.width(), size.height());
    }
    resizeTo(400, 300);
    EXPECT_EQ(day->geometry(), QRect(10, 10, 60, 24));
    EXPECT_EQ(button->geometry(), QRect(50, 100, 80, 30));
    EXPECT_EQ(frame->geometry(), QRect(200, 40, 180, 200));
    EXPECT_EQ(inner->geometry(), QRect(10, 20, 100, 20));
}

TEST_F(ResizerTest, AControlAddedAfterTheFirstResizeIsLeftAlone) {
    resizer.Resize(&window);
    auto* late = control<QPushButton>(&window, "Command9", {300, 250, 50, 20});
    resizeTo(800, 600);
    EXPECT_EQ(late->geometry(), QRect(300, 250, 50, 20));
    EXPECT_FALSE(resizer.records().Exists(QStringLiteral("Command9")));
    EXPECT_EQ(button->geometry(), QRect(100, 200, 160, 60));
}

TEST_F(ResizerTest, ALateControlWithATakenNameIsLeftAlone) {
    resizer.Resize(&window);
    auto* late = control<QPushButton>(&window, "Command1", {300, 250, 50, 20});
    resizeTo(800, 600);
    EXPECT_EQ(late->geometry(), QRect(300, 250, 50, 20));
    EXPECT_EQ(button->geometry(), QRect(100, 200, 160, 60));
}

TEST_F(ResizerTest, SingleLineTextBoxesKeepOneCommonHeight) {
    auto* tall = control<QLineEdit>(&window, "Text5", {10, 60, 60, 40});
    auto* notes = control<QPlainTextEdit>(&window, "Text200", {10, 150, 150, 100});
    resizeTo(400, 300);
    EXPECT_EQ(resizer.records().Item(QStringLiteral("Text5"))->oHeight, 24);
    EXPECT_EQ(resizer.records().Item(QStringLiteral("Text200"))->oHeight, 100);
    resizeTo(400, 600);
    EXPECT_EQ(tall->height(), 48);
    EXPECT_EQ(day->height(), 48);
    EXPECT_EQ(notes->height(), 200) << "the notes box keeps its own height";
    EXPECT_EQ(tall->y(), 120);
}

TEST_F(ResizerTest, TheReferenceBoxCanBeAnotherWindows) {
    QLineEdit mainDay;
    mainDay.resize(60, 30);
    QWidget journal;
    journal.resize(200, 100);
    auto* year = control<QLineEdit>(&journal, "Text14", {10, 10, 50, 22});
    Resizer journalResizer;
    journalResizer.setReferenceTextBox(&mainDay);
    journalResizer.Resize(&journal);
    journal.resize(200, 200);
    journalResizer.Resize(&journal);
    EXPECT_EQ(year->height(), 60);
}

TEST_F(ResizerTest, DropDownListsKeepTheirHeight) {
    auto* combo = control<QComboBox>(&window, "Combo1", {20, 200, 120, 26});
    const int height = combo->height();
    resizer.Resize(&window);
    resizeTo(800, 900);
    EXPECT_EQ(combo->height(), height);
    EXPECT_EQ(combo->width(), 240);
    EXPECT_EQ(combo->x(), 40);
    EXPECT_EQ(combo->y(), 600);
}

TEST_F(ResizerTest, UnnamedInnerAndLaidOutWidgetsAreNotControls) {
    auto* box = control<QWidget>(&window, "Picture4", {10, 200, 100, 80});
    auto* layout = new QVBoxLayout(box);
    auto* laidOut = new QLabel(box);
    laidOut->setObjectName(QStringLiteral("Label7"));
    layout->addWidget(laidOut);
    auto* insideLaidOut = new QWidget(box);
    layout->addWidget(insideLaidOut);
    auto* nested = control<QLabel>(insideLaidOut, "Label8", {1, 1, 5, 5});
    auto* unnamed = new QLabel(&window);
    unnamed->setGeometry(5, 5, 10, 10);
    auto* qtInner = new QLabel(&window);
    qtInner->setObjectName(QStringLiteral("qt_inner"));
    const QList<QWidget*> controls = Resizer::controlsOf(&window);
    EXPECT_TRUE(controls.contains(box));
    EXPECT_FALSE(controls.contains(laidOut));
    EXPECT_FALSE(controls.contains(nested)) << "inside a laid-out widget";
    EXPECT_FALSE(controls.contains(unnamed));
    EXPECT_FALSE(controls.contains(qtInner));
    resizer.Resize(&window);
    resizeTo(800, 600);
    EXPECT_EQ(unnamed->geometry(), QRect(5, 5, 10, 10));
}

TEST_F(ResizerTest, NoWindowRaisesResizeError) {
    QSignalSpy errors(&resizer, &Resizer::ResizeError);
    EXPECT_FALSE(resizer.Attach(nullptr));
    EXPECT_FALSE(resizer.initialised());
    resizer.Resize(nullptr);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0][0].toInt(), Resizer::kObjectErrorBase + Resizer::kNoWindowError);
    EXPECT_TRUE(errors[0][1].toString().startsWith(QStringLiteral("RError: ")));
    EXPECT_FALSE(resizer.initialised());
}

TEST_F(ResizerTest, AnEmptyWindowSizeMovesNothing) {
    resizer.Resize(&window);
    window.resize(0, 0);
    resizer.Resize(&window);
    EXPECT_EQ(button->geometry(), QRect(50, 100, 80, 30));
    resizeTo(800, 600);
    EXPECT_EQ(button->geometry(), QRect(100, 200, 160, 60));
}

TEST_F(ResizerTest, DeletedControlsAreSkipped) {
    resizer.Resize(&window);
    delete inner;
    inner = nullptr;
    resizeTo(800, 600);
    EXPECT_EQ(frame->geometry(), QRect(400, 80, 360, 400));
}

TEST_F(ResizerTest, ControlsSharingANameKeepTheirOwnPlaces) {
    auto* first = control<QLabel>(&window, "Label1", {0, 0, 10, 10});
    auto* second = control<QLabel>(&window, "Label1", {100, 100, 20, 20});
    resizeTo(400, 300);
    EXPECT_TRUE(resizer.records().Exists(QStringLiteral("Label1")));
    EXPECT_TRUE(resizer.records().Exists(QStringLiteral("Label1(1)")));
    resizeTo(800, 600);
    EXPECT_EQ(first->geometry(), QRect(0, 0, 20, 20));
    EXPECT_EQ(second->geometry(), QRect(200, 200, 40, 40));
}

TEST(RObjects, KeyedCollection) {
    rObjects records;
    EXPECT_EQ(records.Count(), 0);
    rObject& added = records.Add(10, 20, 30, 40, QStringLiteral("Text1"));
    EXPECT_EQ(added.oWidth, 10);
    EXPECT_EQ(added.oHeight, 20);
    EXPECT_EQ(added.oTop, 30);
    EXPECT_EQ(added.oLeft, 40);
    records.Add(1, 2, 3, 4, QStringLiteral("Combo1"));
    records.Add(5, 6, 7, 8);
    EXPECT_EQ(records.Count(), 3);
    EXPECT_TRUE(records.Exists(QStringLiteral("Combo1")));
    EXPECT_FALSE(records.Exists(QStringLiteral("Combo2")));
    EXPECT_EQ(records.Item(QStringLiteral("Combo2")), nullptr);

    rObject& again = records.Add(99, 99, 99, 99, QStringLiteral("Text1"));
    EXPECT_EQ(again.oWidth, 10) << "a taken key keeps its record";
    EXPECT_EQ(records.Count(), 3);

    records.Item(QStringLiteral("Text1"))->oTop = 55;
    EXPECT_EQ(records.Item(QStringLiteral("Text1"))->oTop, 55);

    records.Remove(QStringLiteral("Text1"));
    records.Remove(QStringLiteral("nothing"));
    EXPECT_EQ(records.Count(), 2);
    ASSERT_EQ(records.NewEnum().size(), 2);
    EXPECT_EQ(records.NewEnum()[0].toStdString(), "Combo1");
}

} // namespace
