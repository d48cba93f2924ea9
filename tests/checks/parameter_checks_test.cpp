#include <gtest/gtest.h>

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

// A hand-made beam and column with round numbers; each case changes one thing.
struct LimitCase {
    const char* name;
    int row;
    const char* value;
    const char* note;
    float d = 12, weight = 50, tf = 1, bf = 8, zx = 100, c = 1, columnBf = 10;
    const char* length = "20";
    const char* frame = "SMRF";
    const char* column = "W 14x90";
};

class ParameterLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ParameterLimitTest, ComparesWithTheExactSense) {
    const LimitCase& c = GetParam();
    CheckRun run;
    DesignRecord& r = run.state.record;
    r.Beam.d = c.d;
    r.Beam.Weight = c.weight;
    r.Beam.tf = c.tf;
    r.Beam.bf = c.bf;
    r.Beam.Zx = c.zx;
    r.c = c.c;
    r.Column.d = 12;
    r.Column.bf = c.columnBf;
    r.Column.Name = run.inputs.Column = c.column;
    run.inputs.Length = c.length;
    run.inputs.FRAMETYPE = c.frame;
    run.RunCheck(CheckBeamParameters);
    ASSERT_TRUE(run.errors.errors.empty());
    EXPECT_EQ(run.parameters(c.row, 1), c.value);
    EXPECT_EQ(run.parameters(c.row, 2), c.note);
    const bool passes = std::string(c.note).rfind("OK", 0) == 0;
    EXPECT_EQ(run.parametersCell(c.row, 1).color, passes ? kPassGreen : kFailRed);
}

constexpr const char* kRatioFailSmrf = "FAIL     The minimum ratio is 7";
constexpr const char* kSeriesFail = "FAIL     Only W12x or W14x are allowed";

INSTANTIATE_TEST_SUITE_P(
    Rows, ParameterLimitTest,
    ::testing::Values(
        LimitCase{.name = "Depth36Fails", .row = 2, .value = "36\"", .note = "FAIL", .d = 36},
        LimitCase{
            .name = "DepthBelow36Passes", .row = 2, .value = "35.9\"", .note = "OK", .d = 35.9f},
        LimitCase{.name = "Weight300Passes", .row = 3, .value = "300", .note = "OK", .weight = 300},
        LimitCase{
            .name = "Weight301Fails", .row = 3, .value = "301", .note = "FAIL", .weight = 301},
        // (8 ft x 12 - 12) / 12 = 7 exactly; (7 x 12 - 12) / 12 = 6.
        LimitCase{.name = "SpanRatioSevenFailsSmrf",
                  .row = 4,
                  .value = "7.00",
                  .note = kRatioFailSmrf,
                  .length = "8"},
        LimitCase{.name = "SpanRatioSevenPassesOmrf",
                  .row = 4,
                  .value = "7.00",
                  .note = "OK",
                  .length = "8",
                  .frame = "OMRF"},
        LimitCase{.name = "SpanRatioSixPassesOmrf",
                  .row = 4,
                  .value = "6.00",
                  .note = "OK",
                  .length = "7",
                  .frame = "OMRF"},
        LimitCase{.name = "SpanRatioSixFailsSmrf",
                  .row = 4,
                  .value = "6.00",
                  .note = kRatioFailSmrf,
                  .length = "7"},
        LimitCase{.name = "SpanRatioFiveFailsOmrf",
                  .row = 4,
                  .value = "5.00",
                  .note = "FAIL     The minimum ratio is 5",
                  .length = "6",
                  .frame = "OMRF"},
        LimitCase{.name = "FlangeThickness175Passes",
                  .row = 5,
                  .value = "1.75",
                  .note = "OK",
                  .tf = 1.75f},
        LimitCase{.name = "FlangeThickness176Fails",
                  .row = 5,
                  .value = "1.76",
                  .note = "FAIL",
                  .tf = 1.76f},
        // 8 x 1 x 11 / Zx: Zx 125.7 -> 0.70 fails, Zx 124 -> 0.71 passes.
        LimitCase{.name = "FlangeShare070Fails",
                  .row = 6,
                  .value = "0.7xMplastic",
                  .note = "FAIL",
                  .zx = 125.7f},
        LimitCase{.name = "FlangeShare071Passes",
                  .row = 6,
                  .value = "0.71xMplastic",
                  .note = "OK",
                  .zx = 124},
        LimitCase{.name = "QuarterCutLeavesHalfAndPasses",
                  .row = 7,
                  .value = "50.0% remaining",
                  .note = "OK",
                  .c = 2},
        LimitCase{.name = "DeeperCutFails",
                  .row = 7,
                  .value = "49.8% remaining",
                  .note = "FAIL",
                  .c = 2.01f},
        LimitCase{.name = "ColumnSeriesFailsSmrf",
                  .row = 9,
                  .value = "W 24x131",
                  .note = kSeriesFail,
                  .column = "W 24x131"},
        LimitCase{.name = "ColumnSeriesPassesOmrf",
                  .row = 9,
                  .value = "W 24x131",
                  .note = "OK",
                  .frame = "OMRF",
                  .column = "W 24x131"},
        LimitCase{
            .name = "W12Passes", .row = 9, .value = "W 12x65", .note = "OK", .column = "W 12x65"},
        LimitCase{.name = "NarrowColumnFails",
                  .row = 10,
                  .value = "8in. vs. 9.5in.",
                  .note = "Fail",
                  .bf = 9.5f,
                  .columnBf = 8},
        LimitCase{.name = "EqualWidthsPass",
                  .row = 10,
                  .value = "8in. vs. 8in.",
                  .note = "OK",
                  .columnBf = 8}),
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

// A verdict cell painted by an earlier run turns white when the recalculation
// stops before its verdict.
TEST(ParameterChecksTest, FailedRecalculationLeavesTheVerdictCellsWhite) {
    DesignInputs inputs = test::WorkedExample();
    test::Calculated calc;
    test::Run(calc, inputs);
    ASSERT_NE(calc.state.grids.parameters.Cell(4, 1).color, kWhite);
    ASSERT_NE(calc.state.grids.checks.Cell(8, 2).color, kWhite);
    inputs.Length = "";
    inputs.Height = "abc";
    test::Run(calc, inputs);
    EXPECT_EQ(calc.state.grids.parameters.Cell(4, 1).color, kWhite);
    EXPECT_EQ(calc.state.grids.checks.Cell(8, 2).color, kWhite);
}

}  // namespace
}  // namespace vantrel
