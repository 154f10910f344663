// The print window: what it loads, what it refuses, what it stores and where the page goes.
#include "accessible_names.h"
#include "print_calendar_window.h"
#include "print_settings.h"
#include "recording_print_service.h"
#include "recording_services.h"
#include "settings_store.h"
#include "spinner.h"
#include "zone_date_offsets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

class PrintCalendarWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.removeSection(SettingsStore::kMain, SettingsStore::kSettings);
        store.removeSection(SettingsStore::kShared, SettingsStore::kSettings);
        day.observer = biteclock::observerFromDegrees(40.7128, -74.006, -5);
    }

    std::unique_ptr<PrintCalendarWindow> open() {
        auto form = std::make_unique<PrintCalendarWindow>(day, store, messages, printers);
        form->setZoneTexts([] {
            return PrintCalendarWindow::ZoneTexts{QStringLiteral("-5"),
                                                  QStringLiteral("Eastern Standard Time")};
        });
        form->showMonthOf(QDate(2000, 3, 15));
        return form;
    }

    QString stored(const char* key) const {
        return store.read(SettingsStore::kMain, SettingsStore::kSettings, QString::fromLatin1(key),
                          QStringLiteral("<missing>"));
    }

    biteclock::AlmanacDay day;
    SettingsStore store;
    RecordingMessageService messages;
    RecordingPrintService printers;
};

} // namespace

TEST_F(PrintCalendarWindowTest, OpensWithTheDefaultsOnAnEmptyStore) {
    PrintCalendarWindow form(day, store, messages, printers);
    EXPECT_EQ(form.windowTitle(), QStringLiteral(" Print Calendar"));
    EXPECT_EQ(form.Check4->isChecked(), true);
    EXPECT_EQ(form.Check1->isChecked(), false);
    EXPECT_EQ(form.Check2->isChecked(), false);
    EXPECT_EQ(form.Check3->isChecked(), true);
    EXPECT_EQ(form.Check5->isChecked(), false);
    EXPECT_EQ(form.Combo2->currentText(), QStringLiteral("A4  (210 mm x 297 mm )"));
    EXPECT_EQ(form.Combo2->count(), 2);
    EXPECT_EQ(form.Combo2->itemText(0), QStringLiteral("US Letter ( 8 1/2 in x 11 in )"));
    EXPECT_EQ(form.Combo1->count(), 12);
    EXPECT_EQ(form.Combo1->itemText(11), QStringLiteral(" December"));
    EXPECT_EQ(form.Combo1->currentIndex(), QDate::currentDate().month() - 1);
    EXPECT_EQ(form.Text1->text(), QString::number(QDate::currentDate().year()));
    EXPECT_EQ(form.Combo1->isEnabled(), true);
    EXPECT_EQ(form.Text1->isEnabled(), true);
    EXPECT_EQ(form.UpDown1->isEnabled(), true);
    EXPECT_EQ(form.Command1->text(), QStringLiteral("&Print"));
    EXPECT_EQ(form.Command2->text(), QStringLiteral("&Cancel"));
    EXPECT_EQ(form.Check3->text(), QStringLiteral("Major and Minor fishing &times"));
    EXPECT_EQ(form.Check5->text(), QStringLiteral("&Full and New moons"));
}

TEST_F(PrintCalendarWindowTest, OpensWithTheStoredChoices) {
    CalendarOptions o;
    o.prediction = false;
    o.newFull = true;
    o.paperText = kLetterPaperText;
    PrintSettings(store).save(o);
    const auto form = open();
    EXPECT_EQ(form->options(), o);
}

TEST_F(PrintCalendarWindowTest, PrintingStoresTheChoicesBuildsThePageAndCloses) {
    const auto form = open();
    form->show();
    form->Check1->setChecked(true);
    form->Check5->setChecked(true);
    form->Combo2->setCurrentText(kLetterPaperText);
    form->Command1->click();
    ASSERT_EQ(printers.requests.size(), 1);
    EXPECT_EQ(printers.requests[0].destination, RecordingPrintService::Destination::Printer);
    EXPECT_EQ(printers.requests[0].paper, PaperSize::Letter);
    EXPECT_EQ(printers.requests[0].documentName, QStringLiteral("Biteclock Calendar March 2000"));
    ASSERT_EQ(printers.pages.size(), 1);
    const QStringList texts = printers.pages[0].texts();
    EXPECT_EQ(texts.value(1), QStringLiteral("  March 2000"));
    EXPECT_TRUE(texts.contains(
        QStringLiteral("Location: Lat: 0. 0' N   Lon: 0. 0' W  Gmt: -5 hrs  Eastern Standard Time")));
    EXPECT_EQ(stored("Prediction"), QStringLiteral("1"));
    EXPECT_EQ(stored("Sunrise"), QStringLiteral("1"));
    EXPECT_EQ(stored("Moonrise"), QStringLiteral("0"));
    EXPECT_EQ(stored("Majorminor"), QStringLiteral("1"));
    EXPECT_EQ(stored("Newfull"), QStringLiteral("1"));
    EXPECT_EQ(stored("Paper"), kLetterPaperText);
    EXPECT_EQ(form->isVisible(), false);
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(PrintCalendarWindowTest, TheYearMustBeANumberTheAlmanacCovers) {
    for (const QString& year : {QStringLiteral("abc"), QStringLiteral("1900"), QStringLiteral("2201"),
                                QString(), QStringLiteral("20x0"), QStringLiteral("-2000")}) {
        const auto form = open();
        form->show();
        form->Text1->setText(year);
        form->Command1->click();
        EXPECT_TRUE(printers.requests.isEmpty()) << year.toStdString();
        ASSERT_EQ(messages.messages.size(), 1) << year.toStdString();
        EXPECT_EQ(messages.messages[0].title, QStringLiteral(" Print Calendar"));
        EXPECT_EQ(messages.messages[0].text, QStringLiteral("Please enter a year from 1901 to 2200."));
        EXPECT_EQ(messages.messages[0].icon, MessageService::Icon::Critical);
        EXPECT_EQ(form->isVisible(), true) << "the window stays open for a correction";
        EXPECT_EQ(stored("Prediction"), QStringLiteral("<missing>"))
            << "nothing is stored for a refused year";
        messages.messages.clear();
    }
}

TEST_F(PrintCalendarWindowTest, TheEdgeYearsArePrinted) {
    for (const auto& [year, month] :
         {std::pair{QStringLiteral("1901"), 0}, std::pair{QStringLiteral(" 2200 "), 11}}) {
        const auto form = open();
        form->Text1->setText(year);
        form->Combo1->setCurrentIndex(month);
        form->Command1->click();
    }
    ASSERT_EQ(printers.pages.size(), 2);
    EXPECT_EQ(printers.pages[0].texts().value(1), QStringLiteral("  January 1901"));
    EXPECT_EQ(printers.pages[1].texts().value(1), QStringLiteral("   December 2200"));
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(PrintCalendarWindowTest, ACancelledPrinterChoiceOrAClosedPreviewKeepsTheWindowOpen) {
    const auto form = open();
    form->show();
    printers.userCancels = true;
    form->Command1->click();
    form->previewButton->click();
    form->pdfButton->click();
    ASSERT_EQ(printers.requests.size(), 3);
    EXPECT_EQ(printers.requests[1].destination, RecordingPrintService::Destination::Preview);
    EXPECT_EQ(printers.requests[2].destination, RecordingPrintService::Destination::Pdf);
    EXPECT_EQ(form->isVisible(), true);
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(PrintCalendarWindowTest, APageThatCannotBeFinishedIsReported) {
    const auto form = open();
    form->show();
    printers.pageFails = true;
    form->pdfButton->click();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].icon, MessageService::Icon::Critical);
    EXPECT_TRUE(messages.messages[0].text.contains(QStringLiteral("disk full")));
    EXPECT_EQ(form->isVisible(), true);
    EXPECT_EQ(form->statusLine->text(), QString()) << "a failure is told in its message box only";
}

TEST_F(PrintCalendarWindowTest, SavingAsPdfSaysWhatItSavedAndKeepsTheWindowOpenForTheNextMonth) {
    const auto form = open();
    form->show();
    EXPECT_EQ(form->statusLine->text(), QString());
    form->pdfButton->click();
    ASSERT_EQ(printers.pages.size(), 1);
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(form->statusLine->text(),
              QStringLiteral("Saved Biteclock Calendar March 2000 as /tmp/calendar.pdf"));
    EXPECT_EQ(form->statusLine->accessibleName(), QStringLiteral("Status: ") + form->statusLine->text());
    EXPECT_EQ(form->isVisible(), true);

    // The next request starts afresh: a cancelled one leaves no old note behind.
    form->Combo1->setCurrentIndex(3);
    printers.userCancels = true;
    form->pdfButton->click();
    EXPECT_EQ(form->statusLine->text(), QString());
    printers.userCancels = false;
    form->pdfButton->click();
    EXPECT_EQ(form->statusLine->text(),
              QStringLiteral("Saved Biteclock Calendar April 2000 as /tmp/calendar.pdf"));

    form->Command1->click();
    EXPECT_EQ(form->isVisible(), false) << "printing still ends the window";
}

TEST_F(PrintCalendarWindowTest, EveryFieldAndButtonHasItsOwnAccessibleName) {
    const auto form = open();
    form->show();
    form->pdfButton->click();
    const QList<AccessibleControl> controls = accessibleControls(form.get());
    // Five boxes, the month, the year and its two arrows, the paper, four buttons and the status line.
    EXPECT_EQ(controls.size(), 15);
    const NamingFaults faults = namingFaults(controls);
    EXPECT_EQ(faults.unnamed, QStringList());
    EXPECT_EQ(faults.repeated, QStringList());
    EXPECT_EQ(accessibleNameOf(form->Combo1), QStringLiteral("Month"));
    EXPECT_EQ(accessibleNameOf(form->Combo2), QStringLiteral("Paper Size"));
    EXPECT_EQ(accessibleNameOf(form->yearUp), QStringLiteral("Next year"));
}

TEST_F(PrintCalendarWindowTest, CancelClosesWithoutStoringAnything) {
    const auto form = open();
    form->show();
    form->Check2->setChecked(true);
    form->Command2->click();
    EXPECT_EQ(form->isVisible(), false);
    EXPECT_TRUE(printers.requests.isEmpty());
    EXPECT_EQ(stored("Moonrise"), QStringLiteral("<missing>"));
}

TEST_F(PrintCalendarWindowTest, TheSpinnerStepsTheYearWithinTheAlmanacsYears) {
    const auto form = open();
    form->yearUp->click();
    EXPECT_EQ(form->Text1->text(), QStringLiteral("2001"));
    form->yearDown->click();
    form->yearDown->click();
    EXPECT_EQ(form->Text1->text(), QStringLiteral("1999"));
    form->Text1->setText(QStringLiteral("2200"));
    form->yearUp->click();
    EXPECT_EQ(form->Text1->text(), QStringLiteral("2200"));
    form->Text1->setText(QStringLiteral("1901"));
    form->yearDown->click();
    EXPECT_EQ(form->Text1->text(), QStringLiteral("1901"));
}

TEST_F(PrintCalendarWindowTest, ThePageIsComputedOnTheGivenContextWhoseDateIsPutBack) {
    day.AlmanacDate = biteclock::dateSerial(2010, 7, 4);
    const auto form = open();
    form->Command1->click();
    EXPECT_EQ(day.AlmanacDate, biteclock::dateSerial(2010, 7, 4));
    EXPECT_EQ(day.phases.year, 2000) << "the context holds the last printed day's table";
}

TEST_F(PrintCalendarWindowTest, AJulyPagePrintedInWinterFollowsTheZoneInEveryCellAndTheLegend) {
    day.dateOffsets = std::make_shared<const ZoneDateOffsets>(*ZoneDateOffsets::named("America/New_York"));
    const auto printJuly = [this](biteclock::AlmanacDay& context) {
        PrintCalendarWindow form(context, store, messages, printers);
        form.setZoneTexts([] {
            return PrintCalendarWindow::ZoneTexts{QStringLiteral("-5"), QStringLiteral("America/New_York")};
        });
        form.showMonthOf(QDate(2027, 7, 1));
        form.show();
        form.Check1->setChecked(true);
        form.Check2->setChecked(true);
        form.Command1->click();
        return printers.pages.last().texts();
    };
    const QStringList zoned = printJuly(day);
    EXPECT_TRUE(zoned.contains(
        QStringLiteral("Location: Lat: 0. 0' N   Lon: 0. 0' W  Gmt: -4 hrs  America/New_York")));

    // The cells are those of one fixed offset of -4; only the legend differs from such a page.
    biteclock::AlmanacDay summer;
    summer.observer = biteclock::observerFromDegrees(40.7128, -74.006, -4);
    QStringList fixed = printJuly(summer);
    ASSERT_EQ(zoned.size(), fixed.size());
    for (qsizetype i = 0; i < zoned.size(); ++i) {
        if (!zoned[i].startsWith(QStringLiteral("Location:"))) {
            EXPECT_EQ(zoned[i], fixed[i]) << i;
        }
    }
    // The window's own context is left on its own date and offset.
    EXPECT_EQ(day.observer.zoneOffsetHours, -5);
}
