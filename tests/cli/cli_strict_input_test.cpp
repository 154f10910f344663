// Bad input of every kind: one number grammar, values that look like options, echoes that are safe
// for a terminal, and stored values that the settings panel refuses.
#include "cli_options.h"
#include "cli_test_support.h"
#include "terminal_text.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace biteclock::cli {
namespace {

using testing::fixedEnvironment;
using testing::runWith;

// One line, and nothing in it that a terminal would act on.
bool isOneSafeLine(const std::string& text) {
    if (text.empty() || text.back() != '\n') {
        return false;
    }
    const std::string line = text.substr(0, text.size() - 1);
    const bool controls = std::any_of(line.begin(), line.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F;
    });
    return !controls && terminalSafe(line).size() >= line.size() && line.find('\n') == std::string::npos;
}

class Refused : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(Refused, ExitTwoOneSafeLineNothingOnStdout) {
    const auto run = runWith(GetParam());
    EXPECT_EQ(run.exitCode, 2) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("biteclock-cli: ", 0), 0u) << run.err;
    EXPECT_TRUE(isOneSafeLine(run.err)) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    NumberGrammar, Refused,
    ::testing::Values(
        std::vector<std::string>{"day", "--gmt", "+-5"}, std::vector<std::string>{"day", "--gmt", "-+5"},
        std::vector<std::string>{"day", "--gmt", "--5"}, std::vector<std::string>{"day", "--gmt", "5."},
        std::vector<std::string>{"day", "--gmt", ".5"}, std::vector<std::string>{"day", "--gmt", "1e1"},
        std::vector<std::string>{"day", "--gmt", " 5"}, std::vector<std::string>{"day", "--gmt", "5 "},
        std::vector<std::string>{"day", "--gmt", "0x5"}, std::vector<std::string>{"day", "--gmt", "inf"},
        std::vector<std::string>{"day", "--gmt", "5,5"}, std::vector<std::string>{"day", "--lat", "+-40"},
        std::vector<std::string>{"day", "--lat", "40:+5N"},
        std::vector<std::string>{"day", "--lat", "-0:30N"},
        std::vector<std::string>{"day", "--lat", "40:-0N"},
        std::vector<std::string>{"day", "--lat", "+40:30N"},
        std::vector<std::string>{"day", "--lat", "40:3.N"},
        std::vector<std::string>{"day", "--lat", "40.5:30N"},
        std::vector<std::string>{"day", "--lat", ":30N"},
        std::vector<std::string>{"day", "--lat", "40:30:00N"},
        std::vector<std::string>{"day", "--lon", "74:1e1W"}, std::vector<std::string>{"day", "--lon", "-"},
        std::vector<std::string>{"day", "--lon", "+"},
        std::vector<std::string>{"range", "--from", "2000-01-01", "--days", "+-3"},
        std::vector<std::string>{"range", "--from", "2000-01-01", "--days", "3.0"},
        std::vector<std::string>{"range", "--from", "2000-01-01", "--days", "99999999999"},
        std::vector<std::string>{"table", "--year", "2000.5"},
        std::vector<std::string>{"table", "--year", "+-2000"},
        std::vector<std::string>{"day", "--date", "2000-+3-01"},
        std::vector<std::string>{"day", "--date", "+200-03-01"},
        std::vector<std::string>{"day", "--date", "2000-03- 1"},
        std::vector<std::string>{"calendar", "--month", "2000-+3", "--output", "x.pdf"}));

INSTANTIATE_TEST_SUITE_P(ValuesAreValues, Refused,
                         ::testing::Values(std::vector<std::string>{"day", "--location", "--help"},
                                           std::vector<std::string>{"day", "--location", "-h"},
                                           std::vector<std::string>{"day", "--date", "--help"},
                                           std::vector<std::string>{"table", "--year", "-h"},
                                           std::vector<std::string>{"--version", "extra"},
                                           std::vector<std::string>{"--version", "--help"},
                                           std::vector<std::string>{"day", "--lat", "95", "--help"}));

INSTANTIATE_TEST_SUITE_P(
    Echoes, Refused,
    ::testing::Values(std::vector<std::string>{"day", "--lat", "\x1b[31mred\x1b[0m"},
                      std::vector<std::string>{"day", "--lat", "40\nbiteclock-cli: forged line"},
                      std::vector<std::string>{"day", "--lat", "4\r0"},
                      std::vector<std::string>{"day", "--lat", "\xff\xfe"},
                      std::vector<std::string>{"day", "--lat", "\xc0\xaf"},
                      std::vector<std::string>{"day", "--lat", "\xed\xa0\x80"},
                      std::vector<std::string>{"day", "--lat",
                                               "\xc2\x9b"
                                               "31m"},
                      std::vector<std::string>{"day", "--lat",
                                               "\xe2\x80\xae"
                                               "evil"},
                      std::vector<std::string>{"day", "--lat", "\xe2\x80\xa8"},
                      std::vector<std::string>{"day", "--location", std::string("a\0b", 3)},
                      std::vector<std::string>{"\x1b]0;title\x07"}, std::vector<std::string>{"day", "--\x7f"},
                      std::vector<std::string>{"day", "--location", "\x1b[2J"}));

TEST(CliValues, AnOptionsValueIsNeverTakenForHelp) {
    const ParsedCommand output = parseCommandLine({"calendar", "--month", "2000-03", "-o", "-h"});
    ASSERT_TRUE(output.command) << output.error;
    const auto* calendar = std::get_if<CalendarCommand>(&*output.command);
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->output, "-h");

    const ParsedCommand named = parseCommandLine({"day", "--location", "--help"});
    ASSERT_TRUE(named.command) << named.error;
    ASSERT_NE(std::get_if<DayCommand>(&*named.command), nullptr);
    EXPECT_EQ(std::get<DayCommand>(*named.command).location.locationName, "--help");
}

TEST(CliValues, HelpAsAnOptionStillGivesTheUsage) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"day", "--help"}, std::vector<std::string>{"day", "--help", "--lat", "95"},
          std::vector<std::string>{"calendar", "-h"}, std::vector<std::string>{"help"},
          std::vector<std::string>{"--help", "day"}}) {
        const auto run = runWith(args);
        EXPECT_EQ(run.exitCode, 0) << args.front();
        EXPECT_EQ(run.out.rfind("Usage: biteclock-cli", 0), 0u);
        EXPECT_EQ(run.err, "");
    }
}

TEST(CliNumbers, ThePlainFormsAreTaken) {
    EXPECT_EQ(parseLatitude("+40.5"), 40.5);
    EXPECT_EQ(parseLatitude("-0"), 0.0);
    EXPECT_EQ(parseLatitude("007"), 7.0);
    EXPECT_EQ(parseLatitude("40:07.5N"), 40.125);
    EXPECT_EQ(parseLatitude("0:30S"), -0.5);
    EXPECT_EQ(parseLongitude("179:59.9w"), -(179 + 59.9 / 60));
    const auto days = parseCommandLine({"range", "--from", "2000-01-01", "--days", "+3"});
    ASSERT_TRUE(days.command) << days.error;
    EXPECT_EQ(std::get<RangeCommand>(*days.command).days, 3);
    const auto gmt = parseCommandLine({"table", "--year", "2000", "--gmt", "+9.5"});
    ASSERT_TRUE(gmt.command) << gmt.error;
    EXPECT_EQ(std::get<TableCommand>(*gmt.command).location.gmtHours, 9.5);
}

struct Escape {
    std::string in;
    std::string shown;
};

class TerminalText : public ::testing::TestWithParam<Escape> {};

TEST_P(TerminalText, ShowsTextsSafely) {
    EXPECT_EQ(terminalSafe(GetParam().in), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, TerminalText,
    ::testing::Values(Escape{"plain 40:30N", "plain 40:30N"}, Escape{"Tromsø ✓", "Tromsø ✓"},
                      Escape{"a\nb\rc\td", "a\\nb\\rc\\td"}, Escape{"\x1b[31m", "\\x1B[31m"},
                      Escape{std::string("\0", 1), "\\x00"}, Escape{"\x7f", "\\x7F"},
                      Escape{"back\\slash 'q'", "back\\\\slash \\'q\\'"}, Escape{"n\xff.pdf", "n\\xFF.pdf"},
                      Escape{"\xc0\xaf", "\\xC0\\xAF"},                   // overlong
                      Escape{"\xed\xa0\x80", "\\xED\\xA0\\x80"},          // a surrogate
                      Escape{"\xe2\x82", "\\xE2\\x82"},                   // cut short
                      Escape{"\xf4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"}, // beyond U+10FFFF
                      Escape{"\xc2\x9b", "\\u009B"},                      // C1 control sequence introducer
                      Escape{"\xe2\x80\xae", "\\u202E"},                  // right-to-left override
                      Escape{"\xe2\x80\xa8", "\\u2028"},                  // line separator
                      Escape{"\xef\xbb\xbf", "\\uFEFF"}));

// --- Stored values ---

CliEnvironment storeWith(const StoredValueProblem& problem) {
    CliEnvironment env = fixedEnvironment();
    env.currentPlace = [problem] {
        StoredPlace p;
        p.problem = problem;
        p.file = problem.file;
        return p;
    };
    return env;
}

TEST(CliStoredValues, APlaceThePanelRefusesIsRefusedNamingTheKeyAndTheFile) {
    const StoredValueProblem problem{"latdeg", "1e308", "latitude degrees, a number from 0 to 89",
                                     "/home/ann/.config/Biteclock/Bitetray.ini"};
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"day", "--date", "2000-01-01"},
          std::vector<std::string>{"range", "--from", "2000-01-01", "--days", "2", "--lat", "10"},
          std::vector<std::string>{"table", "--year", "2000"},
          std::vector<std::string>{"calendar", "--month", "2000-01", "--output", "/nonexistent/x.pdf"}}) {
        const auto run = runWith(args, storeWith(problem));
        EXPECT_EQ(run.exitCode, 2) << args.front();
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(isOneSafeLine(run.err)) << run.err;
        EXPECT_NE(run.err.find("/home/ann/.config/Biteclock/Bitetray.ini: latdeg is '1e308'"),
                  std::string::npos)
            << run.err;
    }
    // Every value given: nothing is taken from the store.
    const auto given = runWith({"day", "--date", "2000-01-01", "--lat", "1", "--lon", "2", "--gmt", "3"},
                               storeWith(problem));
    EXPECT_EQ(given.exitCode, 0) << given.err;
    EXPECT_EQ(given.err, "");
    const auto table = runWith({"table", "--year", "2000", "--gmt", "3"}, storeWith(problem));
    EXPECT_EQ(table.exitCode, 0) << table.err;
}

TEST(CliStoredValues, AStoredTextIsEchoedSafely) {
    const auto run = runWith({"day"}, storeWith({"gmt", "5\n\x1b[2J", "hours", "/tmp/a\tb.ini"}));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(isOneSafeLine(run.err)) << run.err;
    EXPECT_NE(run.err.find("/tmp/a\\tb.ini: gmt is '5\\n\\x1B[2J'"), std::string::npos) << run.err;
}

TEST(CliStoredValues, ARefusedSavedLocationNamesItsKey) {
    CliEnvironment env = fixedEnvironment();
    env.savedPlace = [](const std::string&) -> std::optional<StoredPlace> {
        StoredPlace p;
        p.problem = StoredValueProblem{"Settings\\Locations\\Cape\\gmt", "99", "hours", "/b/Biteclock.ini"};
        return p;
    };
    const auto run = runWith({"day", "--location", "Cape"}, env);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("Settings\\\\Locations\\\\Cape\\\\gmt is '99'"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("--location"), std::string::npos) << run.err;
}

TEST(CliStoredValues, WithNoStoredPlaceTheDefaultsAreNamedAndUsed) {
    const auto run = runWith({"day", "--date", "2000-03-15", "--format", "json"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(
        run.err,
        "biteclock-cli: no current location is stored in /home/ann/.config/Biteclock/Bitetray.ini; using "
        "the store's defaults: 0:00N 0:00W, 13 hours from Greenwich (give --lat, --lon and --gmt, or store "
        "a place in Biteclock)\n");
    const auto explicitly = runWith(
        {"day", "--date", "2000-03-15", "--lat", "0", "--lon", "0", "--gmt", "13", "--format", "json"});
    EXPECT_EQ(run.out, explicitly.out);
    EXPECT_EQ(explicitly.err, "") << "nothing is taken from the store";
    EXPECT_EQ(runWith({"table", "--year", "2000", "--gmt", "0"}).err, "");
    EXPECT_NE(runWith({"table", "--year", "2000"}).err.find("no current location"), std::string::npos);
}

} // namespace
} // namespace biteclock::cli
