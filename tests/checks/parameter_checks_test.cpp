#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "support/check_fixture.h"

namespace vantrel {
namespace {

using test::CheckRun;

TEST(ParameterChecksTest, WorkedBeamAtFifteenFeet) {
    DesignInputs inputs = test::WorkedExample();
    inputs.Length = "15";
    test::Calculated calc;
    test::Run(calc, inputs);
    const struct {
        int row;
        const char* value;
        const char* note;
    } rows[] = {{2, "20.7\"", "OK"},
                {3, "44", "OK"},
                {4, "8.02", "OK"},
                {5, "0.45", "OK"},
                {6, "0.62xMplastic", "FAIL"},
                {7, "61.5% remaining", "OK"},
                {9, "W 14x90", "OK"},
                {10, "14.5in. vs. 6.5in.", "OK"}};
    for (const auto& row : rows) {
        EXPECT_EQ(calc.parameters(row.row, 1), row.value) << row.row;
        EXPECT_EQ(calc.parameters(row.row, 2), row.note) << row.row;
        EXPECT_EQ(calc.state.grids.parameters.Cell(row.row, 1).color,
                  std::string(row.note) == "OK" ? kPassGreen : kFailRed)
            << row.row;
    }
    EXPECT_EQ(calc.record().L, 15.0f);
}

// A hand-made beam and column with round numbers (d 12, weight 50, tf 1,
// bf 8, Zx 100, c 1, column bf 10, length 20 ft, SMRF, W 14x90); each case
// changes one or two values, by record field or input name.
struct LimitCase {
    const char* name;
    int row;
    const char* value;
    const char* note;
    std::vector<std::pair<std::string, std::string>> changes;
};

class ParameterLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ParameterLimitTest, ComparesWithTheExactSense) {
    const LimitCase& c = GetParam();
    CheckRun run;
    DesignRecord& r = run.state.record;
    r.Beam.d = r.Column.d = 12;
    r.Beam.Weight = 50;
    r.Beam.tf = r.c = 1;
    r.Beam.bf = 8;
    r.Beam.Zx = 100;
    r.Column.bf = 10;
    run.inputs.Length = "20";
    run.inputs.Column = "W 14x90";
    const std::map<std::string, float*> fields = {
        {"d", &r.Beam.d},          {"Weight", &r.Beam.Weight}, {"tf", &r.Beam.tf},
        {"bf", &r.Beam.bf},        {"Zx", &r.Beam.Zx},         {"c", &r.c},
        {"columnBf", &r.Column.bf}};
    for (const auto& [name, text] : c.changes) {
        if (fields.count(name)) {
            *fields.at(name) = std::stof(text);
        } else {
            *run.inputs.Find(name) = text;
        }
    }
    r.Column.Name = run.inputs.Column;
    run.RunCheck(CheckBeamParameters);
    ASSERT_TRUE(run.errors.errors.empty());
    EXPECT_EQ(run.parameters(c.row, 1), c.value);
    EXPECT_EQ(run.parameters(c.row, 2), c.note);
    const bool passes = std::string(c.note).rfind("OK", 0) == 0;
    EXPECT_EQ(run.parametersCell(c.row, 1).color, passes ? kPassGreen : kFailRed);
}

const char* const kRatio7 = "FAIL     The minimum ratio is 7";
const char* const kSeries = "FAIL     Only W12x or W14x are allowed";

INSTANTIATE_TEST_SUITE_P(
    Rows, ParameterLimitTest,
    ::testing::Values(
        LimitCase{"Depth36Fails", 2, "36\"", "FAIL", {{"d", "36"}}},
        LimitCase{"DepthBelow36Passes", 2, "35.9\"", "OK", {{"d", "35.9"}}},
        LimitCase{"Weight300Passes", 3, "300", "OK", {{"Weight", "300"}}},
        LimitCase{"Weight301Fails", 3, "301", "FAIL", {{"Weight", "301"}}},
        // (8 ft x 12 - 12) / 12 = 7 exactly; (7 x 12 - 12) / 12 = 6.
        LimitCase{"SpanRatioSevenFailsSmrf", 4, "7.00", kRatio7, {{"Length", "8"}}},
        LimitCase{
            "SpanRatioSevenPassesOmrf", 4, "7.00", "OK", {{"Length", "8"}, {"FRAMETYPE", "OMRF"}}},
        LimitCase{
            "SpanRatioSixPassesOmrf", 4, "6.00", "OK", {{"Length", "7"}, {"FRAMETYPE", "OMRF"}}},
        LimitCase{"SpanRatioSixFailsSmrf", 4, "6.00", kRatio7, {{"Length", "7"}}},
        LimitCase{"SpanRatioFiveFailsOmrf",
                  4,
                  "5.00",
                  "FAIL     The minimum ratio is 5",
                  {{"Length", "6"}, {"FRAMETYPE", "OMRF"}}},
        LimitCase{"FlangeThickness175Passes", 5, "1.75", "OK", {{"tf", "1.75"}}},
        LimitCase{"FlangeThickness176Fails", 5, "1.76", "FAIL", {{"tf", "1.76"}}},
        // 8 x 1 x 11 / Zx: Zx 125.7 -> 0.70 fails, Zx 124 -> 0.71 passes.
        LimitCase{"FlangeShare070Fails", 6, "0.7xMplastic", "FAIL", {{"Zx", "125.7"}}},
        LimitCase{"FlangeShare071Passes", 6, "0.71xMplastic", "OK", {{"Zx", "124"}}},
        LimitCase{"QuarterCutLeavesHalfAndPasses", 7, "50.0% remaining", "OK", {{"c", "2"}}},
        LimitCase{"DeeperCutFails", 7, "49.8% remaining", "FAIL", {{"c", "2.01"}}},
        LimitCase{"ColumnSeriesFailsSmrf", 9, "W 24x131", kSeries, {{"Column", "W 24x131"}}},
        LimitCase{"ColumnSeriesPassesOmrf",
                  9,
                  "W 24x131",
                  "OK",
                  {{"Column", "W 24x131"}, {"FRAMETYPE", "OMRF"}}},
        LimitCase{"W12Passes", 9, "W 12x65", "OK", {{"Column", "W 12x65"}}},
        LimitCase{
            "NarrowColumnFails", 10, "8in. vs. 9.5in.", "Fail", {{"columnBf", "8"}, {"bf", "9.5"}}},
        LimitCase{"EqualWidthsPass", 10, "8in. vs. 8in.", "OK", {{"columnBf", "8"}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ParameterChecksTest, ZeroBeamDepthIsReportedAndStopsTheRows) {
    CheckRun run;
    run.state.record.Beam.d = 0;
    run.inputs.Length = "20";
    run.RunCheck(CheckBeamParameters);
    ASSERT_EQ(run.errors.errors.size(), 1u);
    EXPECT_EQ(run.errors.errors[0].module, "Tab2");
    EXPECT_EQ(run.errors.errors[0].procedure, "CheckBeamParameters");
    EXPECT_EQ(run.errors.errors[0].number, 11);
    EXPECT_EQ(run.parameters(10, 1), "");
}

}  // namespace
}  // namespace vantrel
