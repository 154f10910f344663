// The journal window's layout: the room a larger window gives goes to the notes, and the buttons
// stay at the bottom edge.
#include "journal_window_fixture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using journal_window_test::JournalWindowTest;

TEST_F(JournalWindowTest, GrowingTheWindowGrowsTheNotes) {
    open();
    QApplication::processEvents();
    auto* notes = control<QPlainTextEdit>("Text200");
    auto* save = control<QPushButton>("Command1");
    QLineEdit* temperature = control("Text3");
    const QSize start = form->size();
    const QSize notesAtStart = notes->size();
    const int temperatureHeight = temperature->height();
    const int saveGapBelow = start.height() - save->mapTo(form.get(), QPoint(0, save->height())).y();

    form->resize(start + QSize(300, 240));
    QApplication::processEvents();
    EXPECT_GE(notes->height(), notesAtStart.height() + 200);
    EXPECT_GE(notes->width(), notesAtStart.width() + 250);
    EXPECT_EQ(temperature->height(), temperatureHeight);
    EXPECT_EQ(form->height() - save->mapTo(form.get(), QPoint(0, save->height())).y(), saveGapBelow);

    form->resize(start);
    QApplication::processEvents();
    EXPECT_EQ(notes->size(), notesAtStart);
}
