#include <gtest/gtest.h>

#include "support/check_fixture.h"

namespace vantrel {
namespace {

using test::CheckRun;

struct ParameterRow {
    int row;
    const char* value;
    const char* note;
};

TEST(ParameterChecksTest, WorkedBeamAtFifteenFeet) {
    DesignInputs inputs = test::WorkedExample();
    inputs.Length = "15";
    test::Calculated calc;
    test::Run(calc, inputs);
    const ParameterRow rows[] = {
        {2, "20.7\"", "OK"},
        {3, "44", "OK"},
        {4, "8.02", "OK"},
        {5, "0.45", "OK"},
        {6, "0.62xMplastic", "FAIL"},
        {7, "61.5% remaining", "OK"},
        {9, "W 14x90", "OK"},
        {10, "14.5in. vs. 6.5in.", "OK"},
    };
    for (const ParameterRow& row : rows) {
        EXPECT_EQ(calc.parameters(row.row, 1), row.value) << row.row;
        EXPECT_EQ(calc.parameters(row.row, 2), row.note) << row.row;
        EXPECT_EQ(calc.state.grids.parameters.Cell(row.row, 1).color,
                  std::string(row.note) == "OK" ? kPassGreen : kFailRed)
            << row.row;
    }
    EXPECT_EQ(calc.record().L, 15.0f);
}

// A hand-made beam and column with round numbers, each case changing one thing.
struct LimitCase {
    const char* name;
    void (*change)(CheckRun&);
    int row;
    const char* value;
    const char* note;
};

void BaseDesign(CheckRun& run) {
    DesignRecord& r = run.state.record;
    r.Beam.d = 12;
    r.Beam.Weight = 50;
    r.Beam.tf = 1;
    r.Beam.bf = 8;
    r.Beam.Zx = 100;
    r.c = 1;
    r.Column.d = 12;
    r.Column.bf = 10;
    r.Column.Name = "W 14x90";
    run.inputs.Column = "W 14x90";
    run.inputs.Length = "20";
}

class ParameterLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ParameterLimitTest, ComparesWithTheExactSense) {
    CheckRun run;
    BaseDesign(run);
    GetParam().change(run);
    run.RunCheck(CheckBeamParameters);
    ASSERT_TRUE(run.errors.errors.empty());
    EXPECT_EQ(run.parameters(GetParam().row, 1), GetParam().value);
    EXPECT_EQ(run.parameters(GetParam().row, 2), GetParam().note);
    const bool passes = std::string(GetParam().note).rfind("OK", 0) == 0;
    EXPECT_EQ(run.parametersCell(GetParam().row, 1).color, passes ? kPassGreen : kFailRed);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ParameterLimitTest,
    ::testing::Values(
        LimitCase{"Depth36Fails", [](CheckRun& r) { r.state.record.Beam.d = 36; }, 2, "36\"",
                  "FAIL"},
        LimitCase{"DepthBelow36Passes", [](CheckRun& r) { r.state.record.Beam.d = 35.9f; }, 2,
                  "35.9\"", "OK"},
        LimitCase{"Weight300Passes", [](CheckRun& r) { r.state.record.Beam.Weight = 300; }, 3,
                  "300", "OK"},
        LimitCase{"Weight301Fails", [](CheckRun& r) { r.state.record.Beam.Weight = 301; }, 3,
                  "301", "FAIL"},
        // (8 ft x 12 - 12) / 12 = 7 exactly.
        LimitCase{"SpanRatioSevenFailsSmrf", [](CheckRun& r) { r.inputs.Length = "8"; }, 4,
                  "7.00", "FAIL     The minimum ratio is 7"},
        LimitCase{"SpanRatioSevenPassesOmrf",
                  [](CheckRun& r) {
                      r.inputs.Length = "8";
                      r.inputs.FRAMETYPE = "OMRF";
                  },
                  4, "7.00", "OK"},
        // (7 x 12 - 12) / 12 = 6.
        LimitCase{"SpanRatioSixPassesOmrf",
                  [](CheckRun& r) {
                      r.inputs.Length = "7";
                      r.inputs.FRAMETYPE = "OMRF";
                  },
                  4, "6.00", "OK"},
        LimitCase{"SpanRatioSixFailsSmrf", [](CheckRun& r) { r.inputs.Length = "7"; }, 4, "6.00",
                  "FAIL     The minimum ratio is 7"},
        LimitCase{"SpanRatioFiveFailsOmrf",
                  [](CheckRun& r) {
                      r.inputs.Length = "6";
                      r.inputs.FRAMETYPE = "OMRF";
                  },
                  4, "5.00", "FAIL     The minimum ratio is 5"},
        LimitCase{"FlangeThickness175Passes", [](CheckRun& r) { r.state.record.Beam.tf = 1.75f; },
                  5, "1.75", "OK"},
        LimitCase{"FlangeThickness176Fails", [](CheckRun& r) { r.state.record.Beam.tf = 1.76f; },
                  5, "1.76", "FAIL"},
        // 8 x 1 x 11 / Zx: Zx 125.7 -> 0.70 fails, Zx 124 -> 0.71 passes.
        LimitCase{"FlangeShare070Fails", [](CheckRun& r) { r.state.record.Beam.Zx = 125.7f; }, 6,
                  "0.7xMplastic", "FAIL"},
        LimitCase{"FlangeShare071Passes", [](CheckRun& r) { r.state.record.Beam.Zx = 124; }, 6,
                  "0.71xMplastic", "OK"},
        LimitCase{"QuarterCutLeavesHalfAndPasses", [](CheckRun& r) { r.state.record.c = 2; }, 7,
                  "50.0% remaining", "OK"},
        LimitCase{"DeeperCutFails", [](CheckRun& r) { r.state.record.c = 2.01f; }, 7,
                  "49.8% remaining", "FAIL"},
        LimitCase{"ColumnSeriesFailsSmrf",
                  [](CheckRun& r) {
                      r.inputs.Column = "W 24x131";
                      r.state.record.Column.Name = "W 24x131";
                  },
                  9, "W 24x131", "FAIL     Only W12x or W14x are allowed"},
        LimitCase{"ColumnSeriesPassesOmrf",
                  [](CheckRun& r) {
                      r.inputs.Column = "W 24x131";
                      r.state.record.Column.Name = "W 24x131";
                      r.inputs.FRAMETYPE = "OMRF";
                  },
                  9, "W 24x131", "OK"},
        LimitCase{"W12Passes",
                  [](CheckRun& r) {
                      r.inputs.Column = "W 12x65";
                      r.state.record.Column.Name = "W 12x65";
                  },
                  9, "W 12x65", "OK"},
        LimitCase{"NarrowColumnFails",
                  [](CheckRun& r) {
                      r.state.record.Column.bf = 8;
                      r.state.record.Beam.bf = 9.5f;
                  },
                  10, "8in. vs. 9.5in.", "Fail"},
        LimitCase{"EqualWidthsPass", [](CheckRun& r) { r.state.record.Column.bf = 8; }, 10,
                  "8in. vs. 8in.", "OK"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ParameterChecksTest, RealShapesAtTheDepthAndWeightLimits) {
    DesignInputs inputs = test::WorkedExample();
    inputs.Beam = "W 36x160";  // d = 36
    test::Calculated calc;
    test::Run(calc, inputs);
    EXPECT_EQ(calc.parameters(2, 2), "FAIL");
    inputs.Beam = "W 36x300";  // 300 lb/ft, d = 36.7
    test::Run(calc, inputs);
    EXPECT_EQ(calc.parameters(2, 2), "FAIL");
    EXPECT_EQ(calc.parameters(3, 2), "OK");
}

TEST(ParameterChecksTest, ZeroBeamDepthIsReportedAndStopsTheRows) {
    CheckRun run;
    BaseDesign(run);
    run.state.record.Beam.d = 0;
    run.RunCheck(CheckBeamParameters);
    ASSERT_EQ(run.errors.errors.size(), 1u);
    EXPECT_EQ(run.errors.errors[0].module, "Tab2");
    EXPECT_EQ(run.errors.errors[0].procedure, "CheckBeamParameters");
    EXPECT_EQ(run.errors.errors[0].number, 11);
    EXPECT_EQ(run.parameters(10, 1), "");
}

}  // namespace
}  // namespace vantrel
