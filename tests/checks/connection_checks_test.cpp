#include <gtest/gtest.h>

#include <string>

#include "support/check_fixture.h"

namespace vantrel {
namespace {

using test::CheckRun;

// Zx 100, Ry 1, Fy 12: Ry Zb Fy is exactly 100 ft-kip.
struct MfCase {
    float mf;
    const char* ratioText;
    bool passes;
};

class CheckMfTest : public ::testing::TestWithParam<MfCase> {};

TEST_P(CheckMfTest, RatioBelowPointNineNinePasses) {
    CheckRun run;
    DesignRecord& r = run.state.record;
    r.Beam.Zx = 100;
    r.Ry = 1;
    r.Fy = 12;
    r.Mf = GetParam().mf;
    run.RunCheck(CheckMf);
    EXPECT_EQ(run.checks(2, 2), "100   ft-kip");
    EXPECT_EQ(run.checks(3, 2), GetParam().ratioText);
    EXPECT_EQ(run.checks(3, 3), GetParam().passes ? "OK" : "FAIL");
    EXPECT_EQ(run.checksCell(3, 2).color, GetParam().passes ? kPassGreen : kFailRed);
    EXPECT_EQ(run.checksCell(3, 1).color, kWhite);
}

INSTANTIATE_TEST_SUITE_P(Boundary, CheckMfTest,
                         ::testing::Values(MfCase{98.99f, "0.990", true},
                                           MfCase{99.0f, "0.990", false},  // exactly 0.99
                                           MfCase{120.0f, "1.200", false}));

TEST(CheckMfTest, ExpectedPlasticMomentOfTheWorkedBeam) {
    test::Calculated calc;
    test::Run(calc, test::WorkedExample());
    EXPECT_EQ(calc.checks(1, 2), "410.7   ft-kip");
    EXPECT_EQ(calc.checks(2, 2), "437.25   ft-kip");
    EXPECT_EQ(calc.checks(3, 2), "0.939");
    EXPECT_EQ(calc.checks(3, 3), "OK");
}

// Zrbs = Srbs, Cpr 1 -> Cy 1; H 10 ft over a 60 in beam with tf 0 -> the
// required thickness is 600 / (50 0.54 dc 60) = 0.037 in for dc = 10.
struct PanelCase {
    float columnWeb;
    const char* frame;
    const char* status;
    Rgb colour;
};

class CheckPanelZoneTest : public ::testing::TestWithParam<PanelCase> {};

TEST_P(CheckPanelZoneTest, RequiredWebThicknessAgainstTheColumnWeb) {
    CheckRun run;
    DesignRecord& r = run.state.record;
    r.Zrbs = r.Srbs = 40;
    r.Cpr = 1;
    r.Ry = 1;
    r.Fy = 50;
    r.Mc = 100;
    r.Beam.d = 60;
    r.Beam.tf = 0;
    r.Column.d = 10;
    r.Column.tw = GetParam().columnWeb;
    run.inputs.Height = "10";
    run.inputs.FRAMETYPE = GetParam().frame;
    run.RunCheck(CheckPanelZone);
    EXPECT_EQ(r.Cy, 1.0f);
    EXPECT_EQ(r.h, 120.0f);
    EXPECT_EQ(run.checks(6, 2), "1");
    EXPECT_EQ(run.checks(7, 2), "1");
    EXPECT_EQ(run.checks(8, 2), "0.037   in");
    EXPECT_EQ(run.checks(8, 3), GetParam().status);
    EXPECT_EQ(run.checksCell(8, 2).color, GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(
    Boundary, CheckPanelZoneTest,
    ::testing::Values(PanelCase{0.037f, "SMRF", "OK", kPassGreen},  // equal passes
                      PanelCase{0.036f, "SMRF", "FAIL- Doubler plates required", kFailRed},
                      PanelCase{0.036f, "OMRF",
                                "FAIL- Doubler plates required     Not an OMRF requirement",
                                kFailRed},
                      PanelCase{0.5f, "OMRF", "OK     Not an OMRF requirement", kPassGreen}));

TEST(CheckPanelZoneTest, OmrfNoteIsAppendedOncePerRun) {
    DesignInputs inputs = test::WorkedExample();
    inputs.FRAMETYPE = "OMRF";
    test::Calculated calc;
    test::Run(calc, inputs);
    test::Run(calc, inputs);
    EXPECT_EQ(calc.checks(8, 3), "OK     Not an OMRF requirement");
}

struct ContinuityCase {
    const char* name;
    float beamFlange;
    float beamThickness;
    float columnFlange;
    const char* tcf1;
    const char* tcf2;
    const char* tcf;
    bool passes;
};

class CheckContPlatesTest : public ::testing::TestWithParam<ContinuityCase> {};

TEST_P(CheckContPlatesTest, ColumnFlangeMustMeetBothLimits) {
    const ContinuityCase& c = GetParam();
    CheckRun run;
    run.state.record.Beam.bf = c.beamFlange;
    run.state.record.Beam.tf = c.beamThickness;
    run.state.record.Column.tf = c.columnFlange;
    run.RunCheck(CheckContPlates);
    EXPECT_EQ(run.checks(10, 2), std::string(c.tcf1) + "   in");
    EXPECT_EQ(run.checks(11, 2), std::string(c.tcf2) + "   in");
    EXPECT_EQ(run.checks(12, 2), std::string(c.tcf) + "   in");
    EXPECT_EQ(run.checks(12, 3), c.passes ? "OK" : "FAIL - Continuity plates required");
    EXPECT_EQ(run.checksCell(12, 2).color, c.passes ? kPassGreen : kFailRed);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CheckContPlatesTest,
    ::testing::Values(
        // W 21x44: Tcf1 0.918, Tcf2 1.083; the larger governs.
        ContinuityCase{"W14x90Fails", 6.5f, 0.45f, 0.71f, "0.918", "1.083", "1.083", false},
        // A flange between the two limits needs plates (it passed under the smaller limit).
        ContinuityCase{"BetweenLimitsFails", 6.5f, 0.45f, 0.94f, "0.918", "1.083", "1.083", false},
        ContinuityCase{"EqualToGoverningPasses", 6.5f, 0.45f, 1.083f, "0.918", "1.083", "1.083",
                       true},
        // bf/6 below 0.4 sqrt(1.8 bf tf): Tcf1 governs.
        ContinuityCase{"ThickBeamFlange", 6.0f, 1.0f, 1.3f, "1.315", "1.000", "1.315", false},
        // bf = 10.368, tf = 1: both limits are 1.728.
        ContinuityCase{"TiedLimitsEqualFlangePasses", 10.368f, 1.0f, 1.728f, "1.728", "1.728",
                       "1.728", true}),
    [](const auto& p) { return std::string(p.param.name); });

// A check that stops before its verdict leaves the verdict cells white, not
// the colour of an earlier run.
struct StoppedCase {
    const char* name;
    void (*check)(CalcContext&);
    bool parametersGrid;
    int row, firstColumn, lastColumn;  // the verdict cells
    float zx, bf;
    const char* length;
    const char* height;
};

class StoppedCheckTest : public ::testing::TestWithParam<StoppedCase> {};

TEST_P(StoppedCheckTest, LeavesItsVerdictCellsWhite) {
    const StoppedCase& c = GetParam();
    CheckRun run;
    run.state.record.Beam.Zx = c.zx;
    run.state.record.Beam.bf = c.bf;
    run.inputs.Length = c.length;
    run.inputs.Height = c.height;
    ResultGrid& grid = c.parametersGrid ? run.state.grids.parameters : run.state.grids.checks;
    grid.Paint(0, 0, grid.RowCount() - 1, grid.ColumnCount() - 1, kPassGreen);
    run.RunCheck(c.check);
    ASSERT_EQ(run.errors.errors.size(), 1u);
    for (int column = c.firstColumn; column <= c.lastColumn; ++column)
        EXPECT_EQ(grid.Cell(c.row, column).color, kWhite) << c.row << "," << column;
}

INSTANTIATE_TEST_SUITE_P(
    Checks, StoppedCheckTest,
    ::testing::Values(
        StoppedCase{"MfOverZeroCapacity", CheckMf, false, 3, 1, 2, 0, 1, "20", "12"},
        StoppedCase{"PanelZoneHeightNotANumber", CheckPanelZone, false, 8, 2, 2, 1, 1, "20", "abc"},
        StoppedCase{"ContinuityRootOfANegative", CheckContPlates, false, 12, 1, 2, 1, -1, "20",
                    "12"},
        StoppedCase{"SpanRatioLengthEmpty", CheckBeamParameters, true, 4, 1, 1, 1, 1, "", "12"},
        StoppedCase{"FlangeShareOverZeroModulus", CheckBeamParameters, true, 6, 1, 1, 0, 1, "20",
                    "12"},
        StoppedCase{"RemainingOverZeroWidth", CheckBeamParameters, true, 7, 1, 1, 1, 0, "20",
                    "12"}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace vantrel
