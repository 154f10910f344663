// The calendar command: its options, its refusals, and a real PDF whose text reads back the same
// times as the day command gives for every day of the month.
#include "cli_options.h"
#include "cli_test_support.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace biteclock::cli {
namespace {

using testing::fixedEnvironment;
using testing::runWith;

ParsedCommand parse(const std::vector<std::string>& args) {
    return parseCommandLine(args);
}

const CalendarCommand* calendarOf(const ParsedCommand& parsed) {
    return parsed.command ? std::get_if<CalendarCommand>(&*parsed.command) : nullptr;
}

TEST(CliCalendarOptions, MonthPaperBoxesPlaceAndOutput) {
    const auto parsed = parse({"calendar", "--month", "2000-03", "--paper", "letter", "--with", "sun,phases",
                               "--lat", "40:42N", "--output", "march.pdf"});
    const CalendarCommand* c = calendarOf(parsed);
    ASSERT_NE(c, nullptr) << parsed.error;
    EXPECT_EQ(c->year, 2000);
    EXPECT_EQ(c->month, 3);
    EXPECT_EQ(c->paper, CalendarPaper::Letter);
    EXPECT_EQ(c->with, (CalendarBoxes{false, true, false, false, true}));
    EXPECT_EQ(c->output, "march.pdf");
    ASSERT_TRUE(c->location.latitudeDeg);
    EXPECT_EQ(*c->location.latitudeDeg, 40.7);
}

TEST(CliCalendarOptions, WithoutPaperAndBoxesTheStoredOnesAreUsed) {
    const auto parsed = parse({"calendar", "--month", "2200-12", "-o", "x.pdf"});
    const CalendarCommand* c = calendarOf(parsed);
    ASSERT_NE(c, nullptr) << parsed.error;
    EXPECT_FALSE(c->paper);
    EXPECT_FALSE(c->with);
}

TEST(CliCalendarOptions, BoxLists) {
    EXPECT_EQ(parseCalendarBoxes("none"), (CalendarBoxes{false, false, false, false, false}));
    EXPECT_EQ(parseCalendarBoxes("prediction,sun,moon,periods,phases"),
              (CalendarBoxes{true, true, true, true, true}));
    EXPECT_EQ(parseCalendarBoxes("moon,moon"), (CalendarBoxes{false, false, true, false, false}));
    EXPECT_FALSE(parseCalendarBoxes(""));
    EXPECT_FALSE(parseCalendarBoxes("sun,"));
    EXPECT_FALSE(parseCalendarBoxes("sun,rain"));
    EXPECT_FALSE(parseCalendarBoxes("Sun"));
}

TEST(CliCalendarOptions, Months) {
    EXPECT_EQ(parseIsoMonth("1901-01"), (std::pair{1901, 1}));
    EXPECT_EQ(parseIsoMonth("2200-12"), (std::pair{2200, 12}));
    for (const char* bad :
         {"1900-12", "2201-01", "2000-13", "2000-00", "2000-3", "2000/03", "200003", "2000-03-01"}) {
        EXPECT_FALSE(parseIsoMonth(bad)) << bad;
    }
}

TEST(CliCalendarOptions, BadInputIsOneLineAndExitCodeTwo) {
    const std::vector<std::vector<std::string>> bad = {
        {"calendar", "--output", "x.pdf"},
        {"calendar", "--month", "2000-03"},
        {"calendar", "--month", "2000-13", "--output", "x.pdf"},
        {"calendar", "--month", "2000-03", "--paper", "legal", "--output", "x.pdf"},
        {"calendar", "--month", "2000-03", "--with", "tides", "--output", "x.pdf"},
        {"calendar", "--month", "2000-03", "--output", ""},
        {"calendar", "--month", "2000-03", "--output", "x.pdf", "--format", "json"},
        {"calendar", "--month", "2000-03", "--output", "x.pdf", "--lat", "95"},
        {"calendar", "--month", "2000-03", "--output", "x.pdf", "--location", "Atlantis"},
    };
    for (const auto& args : bad) {
        const auto run = runWith(args);
        EXPECT_EQ(run.exitCode, 2) << args.back();
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("biteclock-cli: ", 0), 0u) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

// --- Writing the page ---

QString tool(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString squeezed(QString text) {
    text.remove(QLatin1Char(' '));
    text.remove(QLatin1Char('\n'));
    return text;
}

class CliCalendarPdf : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QCoreApplication::instance()) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            static int argc = 1;
            static char name[] = "cli_tests";
            static char* argv[] = {name, nullptr};
            app_ = std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    // Gone before the program's statics are: a QGuiApplication must not outlive main().
    static void TearDownTestSuite() { app_.reset(); }
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            GTEST_SKIP() << "poppler-utils is not installed";
        }
    }
    std::string path(const char* name) const {
        return dir_.filePath(QString::fromLatin1(name)).toStdString();
    }

    QTemporaryDir dir_;
    static inline std::unique_ptr<QGuiApplication> app_;
};

TEST_F(CliCalendarPdf, MarchTwoThousandInNewYorkMatchesTheDayCommand) {
    const std::vector<std::string> place = {"--lat", "40:43N", "--lon", "74:00W", "--gmt", "-5"};
    std::vector<std::string> args = {
        "calendar", "--month",        "2000-03", "--with", "prediction,sun,moon,periods,phases",
        "--output", path("march.pdf")};
    args.insert(args.end(), place.begin(), place.end());
    const auto run = runWith(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");

    const QString file = QString::fromStdString(path("march.pdf"));
    const QString text =
        tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(text.simplified().contains(QStringLiteral("Biteclock Solunar Fishing Calendar")));
    EXPECT_TRUE(text.simplified().contains(QStringLiteral("March 2000")));
    EXPECT_TRUE(text.simplified().contains(QStringLiteral("Sun Mon Tue Wed Thu Fri Sat")));
    EXPECT_TRUE(text.simplified().contains(
        QStringLiteral("Location: Lat: 40. 43' N Lon: 74. 0' W Gmt: -5 hrs Custom")));
    EXPECT_TRUE(tool(QStringLiteral("pdfinfo"), {file}).contains(QStringLiteral("842 x 595 pts (A4)")));

    // Every day's number, and its periods and sunrise exactly as the day command gives them.
    const QString flat = squeezed(text);
    for (int d = 1; d <= 31; ++d) {
        const std::string date = "2000-03-" + std::string(d < 10 ? "0" : "") + std::to_string(d);
        std::vector<std::string> dayArgs = {"day", "--date", date, "--format", "json"};
        dayArgs.insert(dayArgs.end(), place.begin(), place.end());
        const auto day = runWith(dayArgs);
        ASSERT_EQ(day.exitCode, 0) << day.err;
        const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(day.out)).object();
        const auto field = [&o](const char* key) { return o.value(QLatin1String(key)).toString(); };
        const QString major = squeezed(QStringLiteral("Maj: ") + field("upper_major") +
                                       QStringLiteral(" Maj: ") + field("lower_major"));
        const QString minor = squeezed(QStringLiteral("Min: ") + field("set_minor") +
                                       QStringLiteral(" Min: ") + field("rise_minor"));
        const QString sun = squeezed(QStringLiteral("S Rise: ") + field("sunrise") +
                                     QStringLiteral(" Set: ") + field("sunset"));
        EXPECT_TRUE(flat.contains(major)) << date << " " << major.toStdString();
        EXPECT_TRUE(flat.contains(minor)) << date << " " << minor.toStdString();
        EXPECT_TRUE(flat.contains(sun)) << date << " " << sun.toStdString();
        if (!field("phase_event").isEmpty()) {
            EXPECT_TRUE(flat.contains(squeezed(field("phase_event")) + squeezed(field("phase_event_time"))) ||
                        flat.contains(squeezed(field("phase_event_time"))))
                << date;
        }
    }
    static const QRegularExpression cell(QStringLiteral("(?:^|\\s)(\\d{1,2})(?=[\\s*])"));
    QSet<int> days;
    for (auto it = cell.globalMatch(
             text.section(QStringLiteral("Sat"), 1).section(QStringLiteral("Fishing Prediction"), 0, 0));
         it.hasNext();) {
        days.insert(it.next().captured(1).toInt());
    }
    for (int d = 1; d <= 31; ++d) {
        EXPECT_TRUE(days.contains(d)) << "day " << d;
    }
}

TEST_F(CliCalendarPdf, ANovemberPageWithAZoneTakesEachDaysOwnOffset) {
    const auto run =
        runWith({"calendar", "--month", "2027-11", "--with", "sun,periods", "--output", path("november.pdf"),
                 "--lat", "40:43N", "--lon", "74:00W", "--tz", "America/New_York"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QString text =
        tool(QStringLiteral("pdftotext"),
             {QStringLiteral("-layout"), QString::fromStdString(path("november.pdf")), QStringLiteral("-")});
    EXPECT_TRUE(text.simplified().contains(
        QStringLiteral("Location: Lat: 40. 43' N Lon: 74. 0' W Gmt: -4 hrs America/New_York")))
        << text.toStdString();
    // The clocks go back on 7 November: each cell as the day command gives it at that day's offset.
    const QString flat = squeezed(text);
    for (int d = 1; d <= 30; ++d) {
        const std::string date = "2027-11-" + std::string(d < 10 ? "0" : "") + std::to_string(d);
        const auto day = runWith({"day", "--date", date, "--format", "json", "--lat", "40:43N", "--lon",
                                  "74:00W", "--gmt", d < 7 ? "-4" : "-5"});
        ASSERT_EQ(day.exitCode, 0) << day.err;
        const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(day.out)).object();
        const auto field = [&o](const char* key) { return o.value(QLatin1String(key)).toString(); };
        const QString sun = squeezed(QStringLiteral("S Rise: ") + field("sunrise") +
                                     QStringLiteral(" Set: ") + field("sunset"));
        const QString major = squeezed(QStringLiteral("Maj: ") + field("upper_major") +
                                       QStringLiteral(" Maj: ") + field("lower_major"));
        EXPECT_TRUE(flat.contains(sun)) << date << " " << sun.toStdString();
        EXPECT_TRUE(flat.contains(major)) << date << " " << major.toStdString();
    }
}

TEST_F(CliCalendarPdf, TheStoredPaperAndBoxesAreTheDefaults) {
    CliEnvironment env = fixedEnvironment();
    env.letterPaper = [] { return true; };
    env.calendarBoxes = [] { return CalendarBoxes{false, false, false, false, false}; };
    env.currentPlace = [] {
        StoredPlace p;
        p.location.gmtHours = 13;
        p.zoneName = "Pacific Standard Time";
        return p;
    };
    const auto run = runWith({"calendar", "--month", "2001-02", "--output", path("feb.pdf")}, env);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QString file = QString::fromStdString(path("feb.pdf"));
    EXPECT_TRUE(tool(QStringLiteral("pdfinfo"), {file}).contains(QStringLiteral("792 x 612 pts (letter)")));
    const QString text =
        tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    EXPECT_FALSE(text.contains(QStringLiteral("Maj:"))) << "no box ticked: day numbers only";
    EXPECT_TRUE(text.simplified().contains(QStringLiteral("Gmt: 13 hrs Pacific Standard Time")));
    EXPECT_TRUE(text.simplified().contains(QStringLiteral("February 2001")));
}

TEST_F(CliCalendarPdf, AnOutputThatCannotBeWrittenIsReportedAndNothingIsLeft) {
    const std::string target = path("no/such/folder/march.pdf");
    const auto run = runWith({"calendar", "--month", "2000-03", "--output", target});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.rfind("biteclock-cli: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(target), std::string::npos) << run.err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(target)));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList());
}

} // namespace
} // namespace biteclock::cli
