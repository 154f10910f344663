// File > Export to Calendar: the dialog's choices, the file it writes, and that file against the
// command line's for the same place and span.
#include "calendar_export_dialog.h"
#include "file_bytes.h"
#include "location_catalogue.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>

namespace {

using test_files::contents;

class CalendarExportTest : public WindowTest {
protected:
    CalendarExportDialog& openDialog() {
        window->mnuexportcal->trigger();
        CalendarExportDialog* dialog = window->exportDialog();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }

    QString outputPath(const QString& name) const { return journalDir.filePath(name); }
};

TEST_F(CalendarExportTest, OpensOnTheDisplayedDateForTheCurrentLocation) {
    storeHome();
    open();
    EXPECT_EQ(window->mnuexportcal->text(), QStringLiteral("Export to &Calendar..."));
    CalendarExportDialog& dialog = openDialog();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Export to Calendar"));
    EXPECT_EQ(dialog.firstDay->date(), QDate(2000, 3, 15));
    EXPECT_EQ(dialog.days->value(), CalendarExportDialog::kDefaultDays);
    EXPECT_TRUE(dialog.periods->isChecked() && dialog.goodDays->isChecked() && dialog.phases->isChecked());
    EXPECT_EQ(dialog.grade->currentData().toInt(), 66);
    EXPECT_TRUE(dialog.placeText->text().startsWith(QStringLiteral("Home (40\u00B042'N 74\u00B000'W)")));
    // A second click brings the open dialog forward instead of another.
    window->mnuexportcal->trigger();
    EXPECT_EQ(window->findChildren<CalendarExportDialog*>().size(), 1);

    // The span ends by the almanac's last day; without any event kind there is nothing to export.
    dialog.firstDay->setDate(QDate(2200, 12, 20));
    EXPECT_EQ(dialog.days->maximum(), 12);
    dialog.goodDays->setChecked(false);
    EXPECT_FALSE(dialog.grade->isEnabled());
    dialog.periods->setChecked(false);
    dialog.phases->setChecked(false);
    EXPECT_FALSE(dialog.exportButton->isEnabled());
}

TEST_F(CalendarExportTest, WritesTheFileAndNamesItAndItsEvents) {
    storeHome();
    open();
    CalendarExportDialog& dialog = openDialog();
    dialog.days->setValue(10);
    const QString path = outputPath(QStringLiteral("fishing.ics"));
    files.answer = path;
    messages.messages.clear();
    dialog.exportButton->click();

    ASSERT_EQ(files.requests.size(), 1);
    EXPECT_TRUE(files.requests[0].suggestedPath.endsWith(QStringLiteral("fishing-times-2000-03-15.ics")));
    EXPECT_EQ(files.requests[0].defaultSuffix, QStringLiteral("ics"));
    const QByteArray ics = contents(path);
    ASSERT_TRUE(ics.startsWith("BEGIN:VCALENDAR\r\n"));
    const qsizetype events = ics.count("BEGIN:VEVENT\r\n");
    EXPECT_GT(events, 30);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].text,
              QStringLiteral("%1 events were written to %2.").arg(events).arg(path));
    EXPECT_EQ(messages.messages[0].icon, MessageService::Icon::Information);
    // The store's place keeps one offset: the times are in UTC.
    EXPECT_FALSE(ics.contains("TZID"));
    EXPECT_TRUE(ics.contains("LOCATION:Home\r\n"));
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(CalendarExportTest, ACancelledOrFailedWriteLeavesTheDialogOpen) {
    storeHome();
    open();
    CalendarExportDialog& dialog = openDialog();
    messages.messages.clear();
    files.answer.clear();
    EXPECT_FALSE(dialog.exportCalendar());
    EXPECT_TRUE(messages.messages.isEmpty());

    const QString folder = journalDir.path();
    files.answer = folder;
    EXPECT_FALSE(dialog.exportCalendar());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages[0].icon, MessageService::Icon::Critical);
    EXPECT_TRUE(messages.messages[0].text.startsWith(folder + QStringLiteral(" could not be written: ")));
    EXPECT_NE(window->exportDialog(), nullptr);
}

TEST_F(CalendarExportTest, WritesTheSameFileAsTheCommandLineForTheSameSpan) {
    storeHome();
    SharedSettings(store).setZoneId(QStringLiteral("America/New_York"));
    SharedSettings(store).setCustomZone(false);
    LocationCatalogue catalogue(store);
    catalogue.storeNames({QStringLiteral("Home")});
    catalogue.writeEntry(QStringLiteral("Home"),
                         LocationFields{QStringLiteral(" 40"), QStringLiteral(" 42"), QStringLiteral("N"),
                                        QStringLiteral(" 74"), QStringLiteral(" 0"), QStringLiteral("W"),
                                        QStringLiteral("-5"), QStringLiteral("America/New_York")});
    store.sync();
    open();
    CalendarExportDialog& dialog = openDialog();
    // Across the change of the clocks on 2 April 2000.
    dialog.days->setValue(40);
    dialog.grade->setCurrentIndex(0);
    const QString fromWindow = outputPath(QStringLiteral("window.ics"));
    files.answer = fromWindow;
    ASSERT_TRUE(dialog.exportCalendar());
    const QByteArray windowFile = contents(fromWindow);
    ASSERT_TRUE(windowFile.contains("TZID:America/New_York\r\n"));

    const QString fromCli = outputPath(QStringLiteral("cli.ics"));
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QString::number(clock.nowUtcSeconds()));
    // The command line reads the settings files where this test's store keeps them.
    QDir settingsHome = QFileInfo(store.fileName(SettingsStore::kMain)).dir();
    settingsHome.cdUp();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), settingsHome.path());
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(BITECLOCK_CLI_PROGRAM),
              {QStringLiteral("ical"), QStringLiteral("--from"), QStringLiteral("2000-03-15"),
               QStringLiteral("--days"), QStringLiteral("40"), QStringLiteral("--location"),
               QStringLiteral("Home"), QStringLiteral("--tz"), QStringLiteral("America/New_York"),
               QStringLiteral("--grade"), QStringLiteral("fair"), QStringLiteral("--output"), fromCli});
    ASSERT_TRUE(cli.waitForFinished(60000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_EQ(contents(fromCli), windowFile);
}

} // namespace
