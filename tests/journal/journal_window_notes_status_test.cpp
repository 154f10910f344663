// The journal window keeps what the user typed: notes of any length and any characters come back
// from the file exactly and go back to it exactly; Save says where it saved; every control is named
// for assistive technology.
#include "accessible_names.h"
#include "journal_store.h"
#include "journal_window_fixture.h"
#include "notes_wrap.h"

#include <QAbstractButton>
#include <QDir>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <gtest/gtest.h>
#include <string>

using journal_window_test::contents;
using journal_window_test::writeBytes;

namespace {

class JournalNotesTest : public journal_window_test::JournalWindowTest {
protected:
    QPlainTextEdit* notes() const { return control<QPlainTextEdit>("Text200"); }

    // Writes entry 1 with these notes, as the program writes its files.
    QByteArray storeNotes(const std::string& text) {
        biteclock::JournalEntry entry;
        entry.day = "12";
        entry.month = "3";
        entry.year = "1999";
        entry.notes = text;
        const QByteArray bytes = QByteArray::fromStdString(biteclock::writeJournalFile(entry));
        writeBytes(filePath(1), bytes);
        return bytes;
    }

    QString status() const { return control<QLabel>("statusLine")->text(); }
};

std::string unbrokenLetters(std::size_t length) {
    std::string text;
    text.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        text += static_cast<char>('a' + i % 26);
    }
    return text;
}

} // namespace

// --- Long notes ---

TEST_F(JournalNotesTest, AOneMegabyteUnbrokenLineIsShownWholeAndSavedBackUnchanged) {
    // Just under the 1 MB the reader takes whole, so the file is read as it is.
    const std::string line = unbrokenLetters(biteclock::kJournalFileMaxBytes - 1024);
    const QByteArray file = storeNotes(line);
    ASSERT_LE(static_cast<std::size_t>(file.size()), biteclock::kJournalFileMaxBytes);
    open();
    EXPECT_TRUE(messages.messages.isEmpty()) << titles().join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(notes()->document()->toRawText().size(), static_cast<qsizetype>(line.size()));
    EXPECT_TRUE(notes()->document()->toRawText() == QString::fromStdString(line))
        << "the line is cut or changed";
    EXPECT_EQ(notes()->wordWrapMode(), QTextOption::WrapAnywhere);
    EXPECT_TRUE(form->fields().notes == line);

    click("Command1");
    EXPECT_TRUE(contents(filePath(1)) == file) << "saving wrote something other than what was read";
}

TEST_F(JournalNotesTest, NotesKeepNoBreakSpacesLineSeparatorsTabsAndEmptyLines) {
    // A no-break space (which the box's plain text would turn into a blank), a Unicode line
    // separator, a tab, empty lines and blanks at the ends.
    const std::string text = " 3\xC2\xA0kg snapper\r\n\r\nat\tdawn\xE2\x80\xA8off the point \r\n";
    const QByteArray file = storeNotes(text);
    open();
    EXPECT_EQ(form->fields().notes, text);
    click("Command1");
    EXPECT_EQ(contents(filePath(1)), file);
    EXPECT_EQ(JournalStore(folder).read(1).entry.notes, text);
}

TEST_F(JournalNotesTest, WordsWrapAtTheirBoundariesAndOnlyLongUnbrokenRunsWrapAnywhere) {
    open();
    notes()->setPlainText(
        QStringLiteral("Snapper off the point at dawn, then nothing until the tide turned."));
    EXPECT_EQ(notes()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

    // Typed or pasted at the end of the notes, a long run switches the box over.
    notes()->moveCursor(QTextCursor::End);
    notes()->insertPlainText(QString(kLongestWordWrappedRun + 1, QLatin1Char('x')));
    EXPECT_EQ(notes()->wordWrapMode(), QTextOption::WrapAnywhere);

    click("Command6");
    EXPECT_EQ(notes()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
}

TEST(NotesWrapMode, CountsOnlyRealBreakOpportunities) {
    const qsizetype longest = kLongestWordWrappedRun;
    EXPECT_EQ(notesWrapMode(QString()), QTextOption::WrapAtWordBoundaryOrAnywhere);
    EXPECT_EQ(notesWrapMode(QString(longest, QLatin1Char('a'))), QTextOption::WrapAtWordBoundaryOrAnywhere);
    EXPECT_EQ(notesWrapMode(QString(longest + 1, QLatin1Char('a'))), QTextOption::WrapAnywhere);
    // Blanks and hyphens break a run; no-break spaces do not.
    EXPECT_EQ(notesWrapMode(QStringLiteral("abcdefg ").repeated(1000)),
              QTextOption::WrapAtWordBoundaryOrAnywhere);
    EXPECT_EQ(notesWrapMode(QStringLiteral("abcdefg-").repeated(1000)),
              QTextOption::WrapAtWordBoundaryOrAnywhere);
    EXPECT_EQ(notesWrapMode(QStringLiteral("abcdefg\u00A0").repeated(1000)), QTextOption::WrapAnywhere);
    // A long run after many short words still counts.
    EXPECT_EQ(notesWrapMode(QStringLiteral("word ").repeated(1000) + QString(longest + 1, QLatin1Char('z'))),
              QTextOption::WrapAnywhere);
}

// --- Save tells what it did ---

TEST_F(JournalNotesTest, SaveEntrySaysWhichEntryItSavedWhereAndTheNextStepClearsIt) {
    open();
    EXPECT_EQ(status(), QString());
    typeTrip("12", "3", "1999", "first");
    click("Command1");
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(status(), QStringLiteral("Saved entry 1 in ") + QDir::toNativeSeparators(folder));
    EXPECT_EQ(control<QLabel>("statusLine")->accessibleName(), QStringLiteral("Status: ") + status());

    click("Command5");
    EXPECT_EQ(status(), QString()) << "the note belongs to the entry saved, not to the next one";
    typeTrip("13", "3", "1999", "second");
    type("Text8", "12");
    click("Command1");
    EXPECT_EQ(status(), QStringLiteral("Saved entry 12 in ") + QDir::toNativeSeparators(folder));
    click("Command6");
    EXPECT_EQ(status(), QString());
}

TEST_F(JournalNotesTest, AFailedSaveKeepsItsMessageBoxAndSaysNothingInTheStatusLine) {
    writeBytes(temp.path() + QStringLiteral("/blocker"), "x");
    folder = temp.path() + QStringLiteral("/blocker/journal");
    open();
    typeTrip("12", "3", "1999", "kept");
    click("Command1");
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].title, QStringLiteral("Entry Not Saved"));
    EXPECT_EQ(status(), QString());
}

// --- Accessible names ---

TEST_F(JournalNotesTest, EveryFieldAndButtonHasItsOwnAccessibleName) {
    writeBytes(filePath(1), journal_window_test::entryFile("10", "1", "2024", "Moon shown"));
    open();
    ASSERT_TRUE(shown("Image2"));
    click("Command1");
    ASSERT_FALSE(status().isEmpty());
    const QList<AccessibleControl> controls = accessibleControls(form.get());
    // The entry number and the record's 15 fields, the 7 buttons (Trips... among them), the 6 spinner
    // arrows, the two pictures, the age and its caption, the new or full moon caption and the status line.
    EXPECT_EQ(controls.size(), 35);
    const NamingFaults faults = namingFaults(controls);
    EXPECT_EQ(faults.unnamed, QStringList());
    EXPECT_EQ(faults.repeated, QStringList());

    QStringList names;
    for (const AccessibleControl& c : controls) {
        names.append(c.name);
    }
    for (const char* expected : {"Day", "Month", "Year", "Notes:", "Wind:", "Entry No.", "Trips...",
                                 "Next day", "Previous year", "G.P.S mark or location: longitude or name"}) {
        EXPECT_TRUE(names.contains(QString::fromLatin1(expected))) << expected;
    }

    // A blank entry (no pictures, an empty status line) is named as well.
    click("Command6");
    EXPECT_EQ(namingFaults(accessibleControls(form.get())).unnamed, QStringList());
}

TEST_F(JournalNotesTest, EachAltLetterBelongsToOneControlButTheTwoGivenCaptionsThatShareC) {
    open();
    // Two controls with one letter only pass the focus between them, so the letter does nothing.
    QMap<QString, QStringList> owners;
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        QString text;
        if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
        } else if (const auto* label = qobject_cast<QLabel*>(widget);
                   label != nullptr && label->buddy() != nullptr) {
            text = label->text();
        }
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty()) {
            owners[key.toString()].append(text);
        }
    }
    for (auto it = owners.cbegin(); it != owners.cend(); ++it) {
        if (it.key() == QStringLiteral("Alt+C")) {
            EXPECT_EQ(it.value().size(), 2) << "only \"&Clear Entry\" and \"&Close\"";
        } else {
            EXPECT_EQ(it.value().size(), 1)
                << it.key().toStdString() << ": " << it.value().join(QLatin1Char(',')).toStdString();
        }
    }
    EXPECT_EQ(owners.value(QStringLiteral("Alt+N")), QStringList({QStringLiteral("&Next >")}));
}
