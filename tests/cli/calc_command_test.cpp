#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "cli_runner.h"

namespace vantrel::cli {
namespace {

using namespace cli_test;

std::vector<std::string> WorkedExample(std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"calc",           "--set", "Beam=W 21x44", "--set",
                                     "Column=W 14x90", "--set", "Length=30.00"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(CalcCommandTest, JsonHoldsRecordGridsLabelsAndErrors) {
    const Result result = RunCli(WorkedExample({"--json"}));
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["record"]["Beam"]["Name"], "W 21x44");
    EXPECT_EQ(json["record"]["Column"]["d"], 14.0);
    EXPECT_EQ(json["record"]["Mpr"].get<double>(), static_cast<double>(382.8f));
    EXPECT_EQ(json["record"]["Fy"], 50);
    EXPECT_EQ(json["record"]["VpSide"], "(Occurs at the Left side)");
    EXPECT_EQ(json["grids"]["summary"].size(), 30u);
    EXPECT_EQ(json["grids"]["summary"][0].size(), 5u);
    EXPECT_EQ(json["grids"]["checks"].size(), 55u);
    EXPECT_EQ(json["grids"]["checks"][0].size(), 6u);
    EXPECT_EQ(json["grids"]["parameters"].size(), 20u);
    EXPECT_EQ(json["grids"]["summary"][8][1]["text"], "382.8   ft-kip");
    EXPECT_EQ(json["grids"]["summary"][8][1]["color"], "#FFFF00");
    EXPECT_EQ(json["grids"]["summary"][0][0]["color"], "#99CCAA");
    EXPECT_EQ(json["grids"]["checks"][12][2]["color"], "#FF0000");
    EXPECT_EQ(json["grids"]["checks"][16][2]["color"], "#00FF00");
    EXPECT_EQ(json["grids"]["checks"][40][4]["color"], "#FFFFFF");
    EXPECT_EQ(json["labels"]["LabelLength"], "30.00 ft.");
    EXPECT_EQ(json["labels"]["LblBeamWidth"], "Fl. Width = 6.5\"");
    EXPECT_TRUE(json["errors"].empty());
    EXPECT_EQ(json["modified"], true);
    EXPECT_EQ(result.status, kExitCheckFails);  // continuity plates and flange share fail
}

class CalcStatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(CalcStatusTest, ExitStatusTellsTheOutcome) {
    ExpectOutcome(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, CalcStatusTest,
    ::testing::Values(
        StatusCase{"SomeChecksFail", WorkedExample(), kExitCheckFails,
                   "Summary: 12 of 14 checks pass; failing: Flange moment share, Continuity plates"},
        StatusCase{"CalculationError", WorkedExample({"--set", "ORA=abc"}),
                   kExitCalculationError, "Error 13 (Type mismatch) in CalculateCutout of Tab1"},
        StatusCase{"UnknownInputName", {"calc", "--set", "Span=30"}, kExitUsage,
                   "unknown input name 'Span'"},
        StatusCase{"SetWithoutValue", {"calc", "--set"}, kExitUsage, "--set needs NAME=TEXT"},
        StatusCase{"SetWithoutEquals", {"calc", "--set", "Length"}, kExitUsage,
                   "--set needs NAME=TEXT"},
        StatusCase{"UnknownOption", {"calc", "--xml"}, kExitUsage, "unknown option '--xml'"},
        StatusCase{"UnknownCommand", {"draw"}, kExitUsage, "unknown command 'draw'"},
        StatusCase{"NoCommand", {}, kExitUsage, "Usage: vantrel-cli"},
        StatusCase{"Help", {"--help"}, kExitPass, "Usage: vantrel-cli"},
        StatusCase{"UnknownTopLevelOption", {"--verbose"}, kExitUsage, "unknown option '--verbose'"},
        StatusCase{"CommandHelp", {"search", "--help"}, kExitPass, "Usage: vantrel-cli search "},
        StatusCase{"Version", {"--version"}, kExitPass, "vantrel-cli " VANTREL_VERSION_TEXT "\n"},
        StatusCase{"MissingFile", {"calc", "/nonexistent/design.vtl"}, kExitFileError,
                   "Unable to open and read \"/nonexistent/design.vtl\" "}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(CalcCommandTest, EveryCheckPassingExitsWithZero) {
    // Find a passing pair with the search-free way: the CLI over a few candidates.
    int passing = 0;
    for (const char* beam : {"W 18x97", "W 16x100", "W 21x147", "W 14x132"}) {
        const Result result = RunCli({"calc", "--set", std::string("Beam=") + beam, "--set",
                                      "Column=W 14x311", "--set", "Length=30"});
        if (result.status == kExitPass) {
            ++passing;
            EXPECT_NE(result.out.find("Summary: 14 of 14 checks pass\n"), std::string::npos);
        } else {
            EXPECT_EQ(result.status, kExitCheckFails);
        }
    }
    EXPECT_GT(passing, 0);
}

TEST(CalcCommandTest, TextOutputMarksVerdictsWithoutATerminal) {
    const Result result = RunCli(WorkedExample());
    EXPECT_NE(result.out.find("[FAIL] 1.083   in"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("[PASS] 0.939"), std::string::npos) << result.out;
    EXPECT_EQ(result.out.find("\x1b["), std::string::npos);
}

TEST(CalcCommandTest, DefaultsAreThoseOfANewWindow) {
    const Result result = RunCli({"calc", "--json"});
    const auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["record"]["Beam"]["Name"], "W 4x13");
    EXPECT_EQ(json["record"]["L"], 15.0);
    EXPECT_EQ(json["grids"]["summary"][1][2]["text"], "From 2.436   in.");
}

}  // namespace
}  // namespace vantrel::cli
