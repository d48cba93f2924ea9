#include <gtest/gtest.h>

#include "support/check_fixture.h"

namespace vantrel {
namespace {

using test::CheckRun;

TEST(BeamChecksTest, WorkedBeamStabilityAndCapacity) {
    test::Calculated calc;
    test::Run(calc, test::WorkedExample());
    // Flange width at b/3 from the cut's centre: R 24.65, c 1.25, b 15.5.
    EXPECT_EQ(calc.checks(14, 2), "5.66");
    EXPECT_EQ(calc.checks(15, 2), "7.35");
    EXPECT_EQ(calc.checks(16, 2), "0.77");
    EXPECT_EQ(calc.checks(16, 3), "OK");
    EXPECT_EQ(calc.checks(18, 2), "56.57");
    EXPECT_EQ(calc.checks(19, 2), "59.11");
    EXPECT_EQ(calc.checks(20, 2), "0.96");
    EXPECT_EQ(calc.checks(20, 3), "OK");
    EXPECT_EQ(calc.checks(22, 2), "28.49   kip");
    EXPECT_EQ(calc.checks(23, 2), "195.62   kip");
    EXPECT_EQ(calc.checks(24, 2), "0.15");
    EXPECT_EQ(calc.checks(27, 2), "357.75   ft-kip");
    EXPECT_EQ(calc.checks(31, 2), "272.33   ft-kip");
}

TEST(BeamChecksTest, ShortDeepCutNoLongerFailsTheFlangeCheck) {
    // R = (4 c^2 + b^2) / 8c = 1.25 in is below bf/3 = 2.17 in; the width is
    // taken at b/3 = 0.67 in, which always lies inside the cut.
    DesignInputs inputs = test::WorkedExample();
    inputs.ORB = "2";
    inputs.ORC = "2";
    test::Calculated calc;
    test::Run(calc, inputs);
    for (const ChainError& e : calc.errors.errors)
        EXPECT_NE(e.procedure, "CheckBeamFlangeStability");
    EXPECT_EQ(calc.record().R, 1.25f);
    // w = 6.5 + 2 (1.25 - 2) - 2 sqrt(1.25^2 - (2/3)^2) = 2.885 -> 2.885 / 0.9 = 3.21
    EXPECT_EQ(calc.checks(14, 2), "3.21");
}

TEST(BeamChecksTest, DegenerateRecordIsStillTrapped) {
    CheckRun run;
    run.state.record.R = 1;
    run.state.record.b = 6;  // b/3 = 2 > R
    run.state.record.Fy = 50;
    run.RunCheck(CheckBeamFlangeStability);
    ASSERT_EQ(run.errors.errors.size(), 1u);
    EXPECT_EQ(run.errors.errors[0].procedure, "CheckBeamFlangeStability");
    EXPECT_EQ(run.errors.errors[0].module, "Tab4");
    EXPECT_EQ(run.errors.errors[0].number, 5);
    EXPECT_EQ(run.checks(14, 2), "");
}

// Fy 64: sqrt(64) = 8, so the limits are 52/8 = 6.5 and 418/8 = 52.25.
// Flange: R 5, c 0, b 9 give w = bf + 10 - 2 sqrt(25 - 9) = bf + 2 against 2 tf.
// Web: (d - 2 tf) / tw. Shear: Va = 64 0.54 d tw = 345.6 for d 10, tw 1.
struct RatioCase {
    const char* name;
    void (*check)(CalcContext&);
    int row;
    bool passes;
    float bf = 0, tf = 0, d = 0, tw = 0, vf = 0;
};

class RatioBoundaryTest : public ::testing::TestWithParam<RatioCase> {};

TEST_P(RatioBoundaryTest, RatioOfOneFails) {
    const RatioCase& c = GetParam();
    CheckRun run;
    DesignRecord& r = run.state.record;
    r.Fy = 64;
    r.R = 5;
    r.c = 0;
    r.b = 9;
    r.Beam.bf = c.bf;
    r.Beam.tf = c.tf;
    r.Beam.d = c.d;
    r.Beam.tw = c.tw;
    r.Vf = c.vf;
    run.RunCheck(c.check);
    EXPECT_TRUE(run.errors.errors.empty());
    EXPECT_EQ(run.checks(c.row, 2), "1.00");
    EXPECT_EQ(run.checks(c.row, 3), c.passes ? "OK" : "FAIL");
    EXPECT_EQ(run.checksCell(c.row, 2).color, c.passes ? kPassGreen : kFailRed);
}

// Columns: name, check, row, passes, bf, tf, d, tw, Vf.
INSTANTIATE_TEST_SUITE_P(
    Checks, RatioBoundaryTest,
    ::testing::Values(
        RatioCase{"FlangeAtOne", CheckBeamFlangeStability, 16, false, 11, 1},
        RatioCase{"FlangeBelowOne", CheckBeamFlangeStability, 16, true, 10.99f, 1},
        RatioCase{"WebAtOne", CheckBeamWebStability, 20, false, 0, 0, 52.25f, 1},
        RatioCase{"WebBelowOne", CheckBeamWebStability, 20, true, 0, 0, 52.0f, 1},
        RatioCase{"ShearAtOne", CheckBeamShearCapacity, 24, false, 0, 0, 10, 1, 345.6f},
        RatioCase{"ShearBelowOne", CheckBeamShearCapacity, 24, true, 0, 0, 10, 1, 345.5f}),
    [](const auto& p) { return std::string(p.param.name); });

struct ZeroCase {
    const char* procedure;
    void (*check)(CalcContext&);
    void (*shape)(DesignRecord&);
    int number;
};

class BeamCheckErrorTest : public ::testing::TestWithParam<ZeroCase> {};

TEST_P(BeamCheckErrorTest, ZeroPropertiesAreReportedByTheCheck) {
    CheckRun run;
    run.state.record.Fy = 50;
    GetParam().shape(run.state.record);
    run.RunCheck(GetParam().check);
    ASSERT_EQ(run.errors.errors.size(), 1u);
    EXPECT_EQ(run.errors.errors[0].procedure, GetParam().procedure);
    EXPECT_EQ(run.errors.errors[0].number, GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    Zeros, BeamCheckErrorTest,
    ::testing::Values(ZeroCase{"CheckBeamFlangeStability", CheckBeamFlangeStability,
                               [](DesignRecord& r) { r.Beam.tf = 0; }, 11},
                      ZeroCase{"CheckBeamWebStability", CheckBeamWebStability,
                               [](DesignRecord& r) { r.Beam.tw = 0; }, 11},
                      ZeroCase{"CheckBeamWebStability", CheckBeamWebStability,
                               [](DesignRecord& r) { r.Fy = 0; }, 11},
                      ZeroCase{"CheckBeamShearCapacity", CheckBeamShearCapacity,
                               [](DesignRecord& r) { r.Beam.d = 0; }, 11}));

TEST(DiagramLabelsTest, LabelsCopyTheCutTextsAndTheLengthAsTyped) {
    DesignInputs inputs = test::WorkedExample();
    inputs.Length = "30.00";
    test::Calculated calc;
    test::Run(calc, inputs);
    const SketchLabels& l = calc.state.labels;
    EXPECT_EQ(l.Labela, "4.00   in.");
    EXPECT_EQ(l.Labelb, "15.50   in.");
    EXPECT_EQ(l.Labelc, "1.25   in.");
    EXPECT_EQ(l.Labelr, "24.65   in.");
    EXPECT_EQ(l.LabelLength, "30.00 ft.");
    EXPECT_EQ(l.Labelbeam, "W 21x44");
    EXPECT_EQ(l.Labelcolumn1, "W 14x90");
    EXPECT_EQ(l.Labelcolumn2, "W 14x90");
    EXPECT_EQ(l.LblBeamWidth, "Fl. Width = 6.5\"");
    EXPECT_EQ(l.LblColumnWidth, "Fl. Width = 14.5\"");

    inputs.Length = "abc";
    test::Run(calc, inputs);
    EXPECT_EQ(calc.state.labels.LabelLength, "abc ft.");
}

}  // namespace
}  // namespace vantrel
