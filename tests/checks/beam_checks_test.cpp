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
    EXPECT_EQ(calc.checks(27, 3), "Actual moment to be less than this amount.");
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

struct RatioCase {
    const char* name;
    void (*check)(CalcContext&);
    void (*shape)(DesignRecord&);
    int row;
    const char* text;
    bool passes;
};

class RatioBoundaryTest : public ::testing::TestWithParam<RatioCase> {};

TEST_P(RatioBoundaryTest, RatioOfOneFails) {
    CheckRun run;
    run.state.record.Fy = 64;  // sqrt(64) = 8: limits 6.5 and 52.25
    GetParam().shape(run.state.record);
    run.RunCheck(GetParam().check);
    EXPECT_TRUE(run.errors.errors.empty());
    EXPECT_EQ(run.checks(GetParam().row, 2), GetParam().text);
    EXPECT_EQ(run.checks(GetParam().row, 3), GetParam().passes ? "OK" : "FAIL");
    EXPECT_EQ(run.checksCell(GetParam().row, 2).color, GetParam().passes ? kPassGreen : kFailRed);
}

// Flange: R 5, c 0, b 9 give w = bf + 10 - 2 sqrt(25 - 9) = bf + 2; w / 2tf
// against 52/8 = 6.5.
void FlangeAtLimit(DesignRecord& r) {
    r.R = 5;
    r.c = 0;
    r.b = 9;
    r.Beam.bf = 11;
    r.Beam.tf = 1;
}
void FlangeBelowLimit(DesignRecord& r) {
    FlangeAtLimit(r);
    r.Beam.bf = 10.99f;
}
// Web: (d - 2 tf) / tw against 418/8 = 52.25.
void WebAtLimit(DesignRecord& r) {
    r.Beam.d = 52.25f;
    r.Beam.tf = 0;
    r.Beam.tw = 1;
}
void WebBelowLimit(DesignRecord& r) {
    WebAtLimit(r);
    r.Beam.d = 52.0f;
}
// Shear: Va = 64 0.54 d tw = 345.6 for d 10, tw 1.
void ShearAtLimit(DesignRecord& r) {
    r.Beam.d = 10;
    r.Beam.tw = 1;
    r.Vf = 345.6f;
}
void ShearBelowLimit(DesignRecord& r) {
    ShearAtLimit(r);
    r.Vf = 345.5f;
}

INSTANTIATE_TEST_SUITE_P(
    Checks, RatioBoundaryTest,
    ::testing::Values(
        RatioCase{"FlangeAtOne", CheckBeamFlangeStability, FlangeAtLimit, 16, "1.00", false},
        RatioCase{"FlangeBelowOne", CheckBeamFlangeStability, FlangeBelowLimit, 16, "1.00", true},
        RatioCase{"WebAtOne", CheckBeamWebStability, WebAtLimit, 20, "1.00", false},
        RatioCase{"WebBelowOne", CheckBeamWebStability, WebBelowLimit, 20, "1.00", true},
        RatioCase{"ShearAtOne", CheckBeamShearCapacity, ShearAtLimit, 24, "1.00", false},
        RatioCase{"ShearBelowOne", CheckBeamShearCapacity, ShearBelowLimit, 24, "1.00", true}),
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
    ::testing::Values(
        ZeroCase{"CheckBeamFlangeStability", CheckBeamFlangeStability,
                 [](DesignRecord& r) { r.Beam.tf = 0; }, 11},
        ZeroCase{"CheckBeamWebStability", CheckBeamWebStability,
                 [](DesignRecord& r) { r.Beam.tw = 0; }, 11},
        ZeroCase{"CheckBeamWebStability", CheckBeamWebStability, [](DesignRecord& r) { r.Fy = 0; },
                 11},
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
