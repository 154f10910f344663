// Whole outputs of a few commands, compared with reviewed copies in golden/.
// To regenerate after a deliberate change: BITECLOCK_UPDATE_GOLDEN=1 ctest -R Golden, then review
// the difference with git diff before committing it.
#include "cli_test_support.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace biteclock::cli {
namespace {

struct GoldenCase {
    std::string file;
    std::vector<std::string> args;
};

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class Golden : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, OutputIsUnchanged) {
    const GoldenCase& g = GetParam();
    const auto run = testing::runWith(g.args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string path = std::string(BITECLOCK_GOLDEN_DIR) + "/" + g.file;
    if (std::getenv("BITECLOCK_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << run.out;
    }
    EXPECT_EQ(run.out, readFile(path)) << "regenerate with BITECLOCK_UPDATE_GOLDEN=1 and review the diff";
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Golden,
    ::testing::Values(GoldenCase{"new_york_2000-06-21.txt",
                                 {"day", "--lat", "40.7", "--lon", "-74", "--gmt", "-4", "--date",
                                  "2000-06-21"}},
                      GoldenCase{"sydney_january_2000.jsonl",
                                 {"range", "--from", "2000-01-01", "--days", "31", "--lat", "-33.87", "--lon",
                                  "151.2", "--gmt", "11"}},
                      GoldenCase{"svalbard_winter_2000.csv",
                                 {"range", "--from", "2000-01-05", "--days", "20", "--lat", "78", "--lon",
                                  "15", "--gmt", "0", "--format", "csv"}},
                      GoldenCase{"table_1901_plus_9.5.txt", {"table", "--year", "1901", "--gmt", "9.5"}}),
    [](const ::testing::TestParamInfo<GoldenCase>& param) {
        std::string name;
        for (const char c : param.param.file) {
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

} // namespace
} // namespace biteclock::cli
