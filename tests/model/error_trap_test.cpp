#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "present/error_texts.h"
#include "support/design_fixture.h"
#include "support/fresh_grids.h"

namespace vantrel {
namespace {

using test::Calculated;
using test::InputsWith;

// A run with an error shows nothing computed from the placeholders of the
// failed steps: the grids as a fresh window shows them, no dimensions on the
// sketch, every error in chain order.
struct ErroredRun {
    const char* name;
    std::vector<std::pair<const char*, const char*>> changes;  // to the worked example
    std::vector<std::string> errors;
    float lprime;  // as CalculateVP stored it (1: not stored)
};

void PrintTo(const ErroredRun& run, std::ostream* out) {
    *out << run.name;
}

class ErroredRunTest : public ::testing::TestWithParam<ErroredRun> {};

TEST_P(ErroredRunTest, LeavesTheGridsOfAFreshWindow) {
    DesignInputs inputs = test::WorkedExample();
    for (const auto& [name, text] : GetParam().changes) *inputs.Find(name) = text;
    Calculated calc;
    test::Run(calc, test::WorkedExample());  // green and red from a good run first
    calc.errors.errors.clear();
    calc.state.grids.checks.AppendRow();  // as scrolling the view does
    test::Run(calc, inputs);
    std::vector<std::string> errors;
    for (const ChainError& e : calc.errors.errors)
        errors.push_back(e.module + "." + e.procedure + " " + std::to_string(e.number));
    EXPECT_EQ(errors, GetParam().errors);
    EXPECT_EQ(test::FirstDifferenceFromFreshGrids(calc.state.grids), "");
    // The record keeps what the steps stored: L', and the loads read before a refusal.
    EXPECT_EQ(calc.record().Lprime, GetParam().lprime);
    if (GetParam().lprime != 1.0f) {
        EXPECT_EQ(calc.record().DistDL[0], std::stof(inputs.DistDL[0]));
        EXPECT_EQ(calc.record().PointLL[2], std::stof(inputs.PointLL[2]));
        EXPECT_EQ(calc.record().PointLoadLocation[0], std::stof(inputs.PointLoadLocation[0]));
    }
    const SketchLabels& labels = calc.state.labels;
    EXPECT_EQ(labels.cutA + labels.cutB + labels.cutC + labels.cutRadius, "");
    EXPECT_EQ(labels.beam, inputs.Beam);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ErroredRunTest,
    ::testing::Values(
        // c and R left at 1 make the flange check's square root fail too.
        ErroredRun{"OverrideEmpty",
                   {{"ORC", ""}},
                   {"Tab1.CalculateCutout 13", "Tab4.CheckBeamFlangeStability 5"},
                   26.88f},
        ErroredRun{"LengthEmpty",
                   {{"Length", ""}},
                   {"Tab1.CalculateVP 13", "Tab2.CheckBeamParameters 13"},
                   1.0f},
        ErroredRun{"NegativeLiveLoad", {{"PointLL3", "-2"}}, {"Tab1.CalculateVP 5"}, 26.88f}),
    [](const ::testing::TestParamInfo<ErroredRun>& param) { return param.param.name; });

// CalculateVP stores L' and the loads, then refuses what no beam can carry,
// naming the first cause that holds.
struct RefusedSpan {
    const char* length;
    const char* load;  // PointDL[0] at PointLoadLocation[0] = location
    const char* location;
    float lprime;
    const char* cause;  // nullptr: not refused
};

class RefusedSpanTest : public ::testing::TestWithParam<RefusedSpan> {};

TEST_P(RefusedSpanTest, CalculateVPRefusesHingesThatMeetAndLoadsOffTheBeam) {
    const RefusedSpan& c = GetParam();
    Calculated calc;
    test::Run(calc, test::InputsWith({{"Beam", "W 21x44"},
                                      {"Column", "W 14x90"},
                                      {"Length", c.length},
                                      {"PointDL1", c.load},
                                      {"PointLoadLocation1", c.location}}));
    const ChainError vp = calc.errors.errors.empty() ? ChainError{} : calc.errors.errors[0];
    EXPECT_EQ(vp.procedure + " " + std::to_string(vp.number) + " " + vp.cause,
              c.cause ? std::string("CalculateVP 5 ") + c.cause : " 0 ");
    EXPECT_EQ(calc.record().Lprime, c.lprime);
    EXPECT_EQ(calc.record().PointLoadLocation[0], std::stof(c.location));
    if (c.cause) {
        EXPECT_EQ(calc.record().Vp, 1.0f);
        EXPECT_EQ(calc.record().VpSide, "1");
        EXPECT_TRUE(ErrorPrompt(vp).ends_with(" ). \r\n" + vp.cause + "\r\n\r\n"));
        EXPECT_EQ(ErrorTitle(vp), "5 : Vantrel");
    }
}

// L' = L - (2 (a + b/2) + dc) / 12 = L - 3.125 ft for W 21x44 on W 14x90.
INSTANTIATE_TEST_SUITE_P(
    Spans, RefusedSpanTest,
    ::testing::Values(RefusedSpan{"3.125", "0", "0", 0.0f, kCauseHingesMeet},
                      RefusedSpan{"3.12", "-1", "9", -0.01f, kCauseHingesMeet},
                      RefusedSpan{"3.13", "0", "0", 0.01f, nullptr},
                      RefusedSpan{"15", "10", "15", 11.88f, nullptr},
                      RefusedSpan{"15", "10", "15.01", 11.88f, kCauseLoadOffTheBeam},
                      RefusedSpan{"15", "0", "15.01", 11.88f, kCauseLoadOffTheBeam},
                      RefusedSpan{"15", "10", "-0.01", 11.88f, kCauseLoadOffTheBeam},
                      RefusedSpan{"15", "-0.001", "15.01", 11.88f, kCauseNegativeLoad},
                      RefusedSpan{"15", "-0", "5", 11.88f, nullptr}));

TEST(ErrorTrapTest, LoadTextThatIsNotANumberKeepsTheLoadsBeforeIt) {
    DesignInputs inputs = test::WorkedExample();
    inputs.DistDL[0] = "2";
    inputs.DistLL[1] = "x";
    inputs.PointDL[0] = "7";
    Calculated calc;
    calc.state.record.PointDL[0] = 3.0f;  // from an earlier calculation
    test::Run(calc, inputs);
    ASSERT_EQ(calc.errors.errors.size(), 1u);
    EXPECT_EQ(calc.errors.errors[0].procedure, "CalculateVP");
    EXPECT_EQ(calc.record().DistDL[0], 2.0f);
    EXPECT_EQ(calc.record().PointDL[0], 3.0f);
    EXPECT_EQ(calc.record().Vp, 1.0f);
}

TEST(ErrorTrapTest, DesignationMissingFromTheTableNeverShowsNonFiniteText) {
    Calculated calc;
    test::Run(calc, InputsWith({{"Beam", "W 99x1"}, {"Column", "W 99x2"}}));
    EXPECT_EQ(calc.record().Beam.Name, "0");
    EXPECT_FALSE(calc.errors.errors.empty());
    EXPECT_FALSE(test::HasNonFiniteText(calc.state.grids));
}

TEST(CalculateTest, RunningTwiceGivesIdenticalResults) {
    DesignInputs inputs = test::WorkedExample();
    inputs.FRAMETYPE = "OMRF";
    inputs.PointLL[2] = "3.5";
    inputs.PointLoadLocation[2] = "12.25";
    Calculated once;
    test::Run(once, inputs);
    Calculated twice;
    test::Run(twice, inputs);
    test::Run(twice, inputs);
    EXPECT_EQ(test::FirstDifference(twice.state.grids, once.state.grids), "");
    EXPECT_EQ(once.state.labels, twice.state.labels);
    EXPECT_EQ(once.record().Vf, twice.record().Vf);
    EXPECT_EQ(once.record().Cy, twice.record().Cy);
}

TEST(CalculateTest, ClearValuesSetsDerivedValuesToOneAndKeepsLoads) {
    DesignRecord r;
    r.Beam.Name = "W 21x44";
    r.DistDL[0] = 2.5f;
    r.h = 96.0f;
    ClearValues(r);
    EXPECT_EQ(r.Beam.Name, "W 21x44");
    EXPECT_EQ(r.Beam.bf + r.Column.Weight + r.Mpr + r.ds + static_cast<float>(r.Fy), 5.0f);
    EXPECT_EQ(r.VpSide, "1");
    EXPECT_EQ(r.DistDL[0] + r.h, 98.5f);
}

}  // namespace
}  // namespace vantrel
