#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "checks/design.h"
#include "cli.h"
#include "cli_runner.h"
#include "current/aisc358.h"
#include "json_number.h"
#include "model/result_grids.h"
#include "tests/support/design_fixture.h"

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

// An errored design shows what a freshly started window shows (the core's
// tests compare every cell); the record as the steps stored it.
TEST(CalcCommandTest, ErroredJsonShowsNoResult) {
    const Result result = RunCli(WorkedExample({"--set", "Length=3", "--json"}));
    EXPECT_EQ(result.status, kExitCalculationError);
    const auto json = nlohmann::json::parse(result.out);
    ASSERT_EQ(json["errors"].size(), 1u);
    EXPECT_EQ(json["errors"][0]["procedure"], "CalculateVP");
    EXPECT_EQ(json["errors"][0]["number"], 5);
    EXPECT_EQ(json["record"]["Lprime"].get<double>(), static_cast<double>(-0.13f));
    EXPECT_EQ(json["grids"]["summary"][10][1]["text"], "");
    EXPECT_EQ(json["grids"]["summary"][10][1]["color"], "#FFFF00");
    EXPECT_EQ(json["grids"]["checks"][3][2]["text"], "");
    EXPECT_EQ(json["grids"]["checks"][3][2]["color"], "#FFFFFF");
    EXPECT_EQ(json["labels"]["Labela"], "");
}

class CalcStatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(CalcStatusTest, ExitStatusTellsTheOutcome) {
    ExpectOutcome(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, CalcStatusTest,
    ::testing::Values(
        StatusCase{"SomeChecksFail", WorkedExample(), kExitCheckFails,
                   "12 of 14 checks pass; failing: Flange moment share, Continuity plates"
                   "; AISC 358-16 fails: column_flange_slenderness\n"},
        StatusCase{"CurrentCodeTable", WorkedExample(), kExitCheckFails,
                   "  column_flange_slenderness  10.211  "},
        StatusCase{"CurrentCodeFailsAlone",
                   {"calc", "--set", "Beam=W 18x97", "--set", "Column=W 14x311", "--set",
                    "Length=30", "--set", "ColumnAxialLoad=4000"},
                   kExitCheckFails,
                   "14 of 14 checks pass; AISC 358-16 fails: strong_column\n"},
        StatusCase{
            "EveryCheckPasses",
            {"calc", "--set", "Beam=W 18x97", "--set", "Column=W 14x311", "--set", "Length=30"},
            kExitPass,
            "Summary: 14 of 14 checks pass; AISC 358-16 passes\n"},
        StatusCase{"CurrentCodeNotChecked",
                   {"calc", Data("axial-load-not-a-number.vtl")},
                   kExitCheckFails,
                   "; AISC 358-16 not checked\n"},
        StatusCase{"CurrentCodeNotCheckedWhy",
                   {"calc", Data("axial-load-not-a-number.vtl")},
                   kExitCheckFails,
                   "ColumnAxialLoad is not a number"},
        StatusCase{"CalculationError",
                   {"calc", Data("override-not-a-number.vtl")},
                   kExitCalculationError,
                   "Error 13 (Type mismatch) in CalculateCutout"},
        // --set takes only what the window's controls could hold: one row a kind of refusal.
        StatusCase{"UnknownInputName", {"calc", "--set", "Span=30"}, kExitUsage, "'Span'"},
        StatusCase{"GradeNotAnEntry",
                   {"calc", "--set", "Grade=A992"},
                   kExitUsage,
                   "use one of \"A992   Fy=50 ksi   Fu=65 ksi\", \"A572"},
        StatusCase{"CoefficientNotAnEntry", {"calc", "--set", "A=0.6"}, kExitUsage, "A list"},
        StatusCase{
            "ShapeNotAnEntry", {"calc", "--set", "Beam=W 21X44"}, kExitUsage, "not an entry"},
        StatusCase{
            "FrameTypeNotAnEntry", {"calc", "--set", "FRAMETYPE=smrf"}, kExitUsage, "SMRF, OMRF"},
        StatusCase{
            "ColumnAboveNotAnEntry", {"calc", "--set", "ColumnAbove=yes"}, kExitUsage, "Yes, No"},
        StatusCase{"NegativeLoad", {"calc", "--set", "DistDL1=-1000000"}, kExitUsage, "character"},
        StatusCase{"Exponent", {"calc", "--set", "Length=1e-300"}, kExitUsage, "character"},
        StatusCase{"LoadOverLimit", {"calc", "--set", "PointLL3=100.5"}, kExitUsage, "100 k/ft"},
        StatusCase{"AxialLoadOverLimit",
                   {"calc", "--set", "ColumnAxialLoad=10000.01"},
                   kExitUsage,
                   "10000 kip"},
        StatusCase{"LengthOverLimit", {"calc", "--set", "Length=50.01"}, kExitUsage, "50 ft"},
        StatusCase{"LocationBeyondLength",
                   {"calc", "--set", "PointLoadLocation2=15.01"},
                   kExitUsage,
                   "outside"},
        // Limits that depend on other inputs are applied after every --set.
        StatusCase{"LocationWithinALaterLength",
                   {"calc", "--set", "PointLoadLocation1=20", "--set", "Length=30"},
                   kExitCheckFails,
                   "Summary:"},
        StatusCase{"OverrideBeyondALaterLength",
                   {"calc", "--set", "ORA=20", "--set", "Length=10"},
                   kExitUsage,
                   "15% of the beam's length"},
        StatusCase{"OverrideCOfALaterBeam",
                   {"calc", "--set", "ORC=3", "--set", "Beam=W 21x44"},
                   kExitCheckFails,
                   "Summary:"},
        StatusCase{"OverrideCBeyondTheBeam",
                   {"calc", "--set", "ORC=3"},
                   kExitUsage,
                   "1/2 of the beam's flange"},
        StatusCase{"SetWithoutValue", {"calc", "--set"}, kExitUsage, "NAME=TEXT"},
        StatusCase{"SetWithoutEquals", {"calc", "--set", "Length"}, kExitUsage, "NAME=TEXT"},
        StatusCase{"UnknownOption", {"calc", "--xml"}, kExitUsage, "'--xml'"},
        StatusCase{"UnknownCommand", {"draw"}, kExitUsage, "'draw'"},
        StatusCase{"NoCommand", {}, kExitUsage, "Usage: vantrel-cli"},
        StatusCase{"Help", {"--help"}, kExitPass, "Usage: vantrel-cli"},
        StatusCase{"UnknownTopLevelOption", {"--verbose"}, kExitUsage, "'--verbose'"},
        StatusCase{"CommandHelp", {"search", "--help"}, kExitPass, "Usage: vantrel-cli search "},
        StatusCase{"Version", {"--version"}, kExitPass, "vantrel-cli " VANTREL_VERSION_TEXT "\n"},
        StatusCase{
            "BatchMissingFile", {"batch", "/nonexistent/in.csv"}, kExitFileError, "unable to read"},
        StatusCase{"BatchNoFile", {"batch"}, kExitUsage, "batch needs a CSV file"},
        StatusCase{
            "BatchWithSet", {"batch", "in.csv", "--set", "Length=3"}, kExitUsage, "takes no --set"},
        StatusCase{"MissingFile",
                   {"calc", "/nonexistent/design.vtl"},
                   kExitFileError,
                   "Unable to open and read \"/nonexistent/design.vtl\" "}),
    [](const auto& p) { return std::string(p.param.name); });

bool HoldsNegativeZero(const nlohmann::json& j) {
    if (j.is_number_float()) return j.get<double>() == 0.0 && std::signbit(j.get<double>());
    if (!j.is_structured()) return false;
    for (const auto& item : j)
        if (HoldsNegativeZero(item)) return true;
    return false;
}

// A length of -1e-300 in a file makes L a negative zero; JSON shows 0.
TEST(CalcCommandTest, JsonNeverHoldsANegativeZero) {
    const Result result = RunCli({"calc", Data("length-negative-tiny.vtl"), "--json"});
    EXPECT_FALSE(HoldsNegativeZero(nlohmann::json::parse(result.out))) << result.out;
}

// The current-code numbers: shortest round-trip texts, never "-0", NaN or inf.
TEST(CalcCommandTest, CurrentCodeNumberTexts) {
    const std::pair<std::optional<double>, const char*> cases[] = {
        {-0.0, "0"},
        {0.1395, "0.1395"},
        {1.0 / 3.0, "0.3333333333333333"},
        {std::nullopt, "null"},
        {std::numeric_limits<double>::infinity(), "null"},
        {std::numeric_limits<double>::quiet_NaN(), "null"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(ShortestDoubleText(value), text);
}

// The current-code object: every number reads back as the core's double.
TEST(CalcCommandTest, JsonHoldsTheCurrentCodeItemsExactly) {
    const Result result = RunCli(WorkedExample({"--json"}));
    const auto json = nlohmann::json::parse(result.out);
    const auto& section = json["aisc358"];
    const DesignInputs inputs = test::WorkedExample();
    DesignState state;
    CollectingErrorSink errors;
    Calculate(state, inputs, errors);
    const auto core = current::EvaluateAisc358(inputs, state.record, false);
    ASSERT_TRUE(core);
    EXPECT_EQ(section["basis"], "AISC 358-16, AISC 341-16, AISC 360-16 (LRFD)");
    EXPECT_EQ(section["system"], "SMF");
    EXPECT_EQ(section["pass"], false);
    EXPECT_EQ(section["sumMpc"].get<double>(), core->sumMpc);
    EXPECT_EQ(section["sumMpb"].get<double>(), core->sumMpb);
    ASSERT_EQ(section["items"].size(), core->items.size());
    for (size_t i = 0; i < core->items.size(); ++i) {
        const current::Item& item = core->items[i];
        const auto& j = section["items"][i];
        EXPECT_EQ(j["id"], std::string(item.id));
        EXPECT_EQ(j["status"], std::string(current::StatusText(item.status)));
        EXPECT_EQ(j["unit"], std::string(item.unit));
        const std::pair<const char*, std::optional<double>> numbers[] = {
            {"value", item.value}, {"min", item.min}, {"max", item.max}, {"ratio", item.ratio}};
        for (const auto& [name, value] : numbers) {
            if (value)
                EXPECT_EQ(j[name].get<double>(), *value) << item.id << ' ' << name;
            else
                EXPECT_TRUE(j[name].is_null()) << item.id << ' ' << name;
        }
    }
    EXPECT_NE(result.out.find("\"value\": 4,"), std::string::npos);  // cut_a, shortest text
}

TEST(CalcCommandTest, JsonSectionIsNullAfterAnError) {
    const Result result = RunCli({"calc", Data("override-not-a-number.vtl"), "--json"});
    EXPECT_TRUE(nlohmann::json::parse(result.out)["aisc358"].is_null());
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
