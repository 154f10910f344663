#pragma once

// The journal window on a temporary journal folder, a fixed clock and recording message and help
// services, for the window's tests.
#include "almanac_day.h"
#include "daily_refresh.h"
#include "file_bytes.h"
#include "journal_file.h"
#include "journal_window.h"
#include "recording_services.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace journal_window_test {

using test_files::contents;
using test_files::writeBytes;

inline QApplication& application() {
    static int argc = 1;
    static char name[] = "journal_window_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing the application down at exit races Qt's own clean-up.
    static auto* app = new QApplication(argc, argv);
    return *app;
}

inline QByteArray entryFile(const char* day, const char* month, const char* year, const char* notes = "") {
    biteclock::JournalEntry entry;
    entry.day = day;
    entry.month = month;
    entry.year = year;
    entry.notes = notes;
    return QByteArray::fromStdString(biteclock::writeJournalFile(entry));
}

class JournalWindowTest : public ::testing::Test {
protected:
    JournalWindowTest() {
        application();
        almanac.observer = biteclock::observerFromDegrees(51.5, -0.1, 0);
        biteclock::refreshDay(almanac, shownDate, 15, false);
    }

    void open(bool monthFirst = false, bool tips = true) {
        form = std::make_unique<JournalWindow>(almanac, messages, &help, folder, clock, monthFirst, tips,
                                               [this](int id) {
                                                   requestedPictures.append(id);
                                                   QPixmap pixmap(32, 32);
                                                   pixmap.fill(Qt::white);
                                                   return pixmap;
                                               });
        form->show();
    }

    template <typename T = QLineEdit> T* control(const char* name) const {
        T* widget = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void type(const char* name, const char* text) { control(name)->setText(QString::fromUtf8(text)); }
    QString text(const char* name) const { return control(name)->text(); }
    void click(const char* name) { control<QPushButton>(name)->click(); }
    bool shown(const char* name) const { return control<QWidget>(name)->isVisibleTo(form.get()); }

    void typeTrip(const char* day, const char* month, const char* year, const char* notes) {
        type("Text1", day);
        type("Text13", month);
        type("Text14", year);
        control<QPlainTextEdit>("Text200")->setPlainText(QString::fromUtf8(notes));
    }

    QStringList titles() const {
        QStringList list;
        for (const auto& m : messages.messages) {
            list.append(m.title);
        }
        return list;
    }

    QString filePath(int number) const { return folder + QStringLiteral("/jour%1.dat").arg(number); }

    QTemporaryDir temp;
    QString folder = temp.path() + QStringLiteral("/journal");
    biteclock::DateSerial shownDate = biteclock::dateSerial(2024, 7, 15);
    biteclock::AlmanacDay almanac;
    RecordingMessageService messages;
    RecordingHelpService help;
    FixedClock clock{QDate(2026, 5, 10)};
    QList<int> requestedPictures;
    std::unique_ptr<JournalWindow> form;
};

} // namespace journal_window_test
