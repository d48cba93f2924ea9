// The calculating steps' own rules beyond the worked designs the calc
// fixtures pin: how a cut dimension is rounded or typed, doRound's modes, and
// a grade or a cut that a project file holds but no field would take.

#include <gtest/gtest.h>

#include "model/calculations.h"
#include "model/number_text.h"
#include "support/design_fixture.h"

namespace vantrel {
namespace {

using test::Calculated;
using test::InputsWith;

// "procedure number cause" of the first error, or "" for a run without one.
std::string FirstError(const Calculated& calc) {
    if (calc.errors.errors.empty()) return "";
    const ChainError& e = calc.errors.errors.front();
    return e.procedure + " " + std::to_string(e.number) + " " + e.cause;
}

struct CutCase {
    const char* name;
    DesignInputs inputs;
    float a;
    const char* valueText;
    const char* noteText;
    const char* error = "";  // FirstError
};

class CutoutTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutoutTest, FixesTheDimensionAndItsTexts) {
    const CutCase& c = GetParam();
    Calculated calc;
    test::Run(calc, c.inputs);
    EXPECT_EQ(calc.record().a, c.a);
    EXPECT_EQ(calc.summary(1, 1), c.valueText);
    EXPECT_EQ(calc.summary(1, 2), c.noteText);
    EXPECT_EQ(FirstError(calc), c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Dimensions, CutoutTest,
    ::testing::Values(CutCase{"ExactQuarter", InputsWith({{"Beam", "W 21x44"}, {"A", "0.50"}}),
                              3.25f, "3.25   in.", "From 3.250   in."},
                      CutCase{"TieRoundsUp", InputsWith({{"Beam", "W 18x50"}, {"A", "0.55"}}),
                              4.25f, "4.25   in.", "From 4.125   in."},
                      CutCase{"OverrideRoundedToThreeDecimals",
                              InputsWith({{"Beam", "W 21x44"}, {"ORA", "1.0005"}}), 1.001f,
                              "1.001   in.", "User input"},
                      CutCase{"ZeroOverrideIsAbsent",
                              InputsWith({{"Beam", "W 21x44"}, {"ORA", "0"}}), 4.0f, "4.00   in.",
                              "From 3.900   in."},
                      CutCase{"MinusZeroIsAbsent", InputsWith({{"Beam", "W 21x44"}, {"ORA", "-0"}}),
                              4.0f, "4.00   in.", "From 3.900   in."},
                      // Refused before it is stored; an errored run shows no grid.
                      CutCase{"NegativeOverrideRefused",
                              InputsWith({{"Beam", "W 21x44"}, {"ORA", "-0.001"}}), 1.0f, "", "",
                              "CalculateCutout 5 A cut dimension is negative."}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(CutoutTest, EmptyOverrideStopsTheCutAfterWhatItStored) {
    Calculated calc;
    test::Run(calc, InputsWith({{"Beam", "W 21x44"}, {"ORB", ""}}));
    ASSERT_FALSE(calc.errors.errors.empty());
    const ChainError& e = calc.errors.errors.front();
    EXPECT_EQ(e.module + "." + e.procedure + " " + std::to_string(e.number),
              "Tab1.CalculateCutout 13");
    const DesignRecord& r = calc.record();
    EXPECT_EQ(r.a, 4.0f);              // written before the failure
    EXPECT_EQ(r.b + r.c + r.R, 3.0f);  // the 1 of ClearValues
}

struct RoundCase {
    float value;
    float increment;
    const char* mode;
    float expected;
};

class DoRoundTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(DoRoundTest, RoundsToMultiplesOfTheIncrement) {
    Calculated calc;
    DesignInputs inputs = NewDesignInputs();
    CalcContext ctx{calc.state.record, inputs, calc.state.results, calc.errors};
    const RoundCase& c = GetParam();
    EXPECT_FLOAT_EQ(doRound(ctx, c.value, c.increment, c.mode), c.expected)
        << c.value << ' ' << c.increment << ' ' << c.mode;
    EXPECT_TRUE(calc.errors.errors.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DoRoundTest,
    ::testing::Values(RoundCase{3.375f, 0.25f, "NE", 3.5f}, RoundCase{3.374f, 0.25f, "NE", 3.25f},
                      RoundCase{3.25f, 0.25f, "NE", 3.25f}, RoundCase{-0.1f, 0.25f, "NE", 0.0f},
                      RoundCase{3.49f, 0.25f, "DN", 3.25f}, RoundCase{-0.1f, 0.25f, "DN", -0.25f},
                      RoundCase{5.3f, 2.0f, "UP", 6.0f},  // 5 Mod 2 = 1: up to the next step
                      RoundCase{4.0f, 2.0f, "UP", 4.0f},  // no remainder: unchanged
                      RoundCase{4.3f, 2.0f, "UP", 4.3f},  // 4 Mod 2 = 0: unchanged, not rounded
                      RoundCase{2.5f, 2.0f, "UP", 2.5f},  // 2.5 rounds to 2 (half to even)
                      RoundCase{3.5f, 2.0f, "UP", 3.5f},  // 3.5 rounds to 4: no remainder
                      RoundCase{3.3f, 0.25f, "XX", 0.0f}, RoundCase{3.3f, 0.25f, "ne", 0.0f}));

TEST(DoRoundTest, ZeroWholeIncrementIsTrappedAndGivesZero) {
    Calculated calc;
    DesignInputs inputs = NewDesignInputs();
    CalcContext ctx{calc.state.record, inputs, calc.state.results, calc.errors};
    EXPECT_EQ(doRound(ctx, 3.0f, 0.4f, "UP"), 0.0f);
    ASSERT_EQ(calc.errors.errors.size(), 1u);
    EXPECT_EQ(calc.errors.errors[0].module + "." + calc.errors.errors[0].procedure, "Tab1.doRound");
    EXPECT_EQ(doRound(ctx, 3.0f, 0.0f, "NE"), 0.0f);
    EXPECT_EQ(calc.errors.errors.size(), 2u);
    // A whole number beyond 32 bits overflows (error 6), at either end.
    for (const float value : {2147483648.0f, -2147483904.0f}) {
        EXPECT_EQ(doRound(ctx, value, 2.0f, "UP"), 0.0f);
        EXPECT_EQ(calc.errors.errors.back().number, kErrOverflow) << value;
    }
    EXPECT_EQ(calc.errors.errors.size(), 4u);
    EXPECT_EQ(doRound(ctx, -2147483648.0f, 2.0f, "UP"), -2147483648.0f);  // the least int32
    EXPECT_EQ(calc.errors.errors.size(), 4u);
}

// A point load's location is measured from the left column's centre line in
// CalculateVP as in CalculateVf: the loaded example, and a load near the right
// column that moves the larger share to the right hinge.
struct PointLoadCase {
    const char* name;
    const char* location;
    float Vp, Mf, Mc, Vf;
    bool left;
};

class PointLoadOriginTest : public ::testing::TestWithParam<PointLoadCase> {};

TEST_P(PointLoadOriginTest, ShearsAndMomentsFollowTheCentreLine) {
    const PointLoadCase& c = GetParam();
    Calculated calc;
    DesignInputs inputs = test::WorkedExample();
    inputs.DistDL[0] = "1";
    inputs.DistLL[0] = "0.5";
    inputs.PointDL[0] = "10";
    inputs.PointLoadLocation[0] = c.location;
    test::Run(calc, inputs);
    ASSERT_TRUE(calc.errors.errors.empty());
    const DesignRecord& r = calc.record();
    EXPECT_EQ(r.Vp, c.Vp);
    EXPECT_EQ(r.Mf, c.Mf);
    EXPECT_EQ(r.Mc, c.Mc);
    EXPECT_EQ(r.Vf, c.Vf);
    EXPECT_EQ(r.VpSide, c.left ? "(Occurs at the Left side)" : "(Occurs at the Right side)");
}

// ML = 221.31 and MR = 101.25 at 10 ft; ML = 41.32 and MR = 281.24 at 25 ft.
INSTANTIATE_TEST_SUITE_P(Locations, PointLoadOriginTest,
                         ::testing::Values(PointLoadCase{"LoadedExample", "10", 56.2f, 437.8f,
                                                         470.6f, 59.36f, true},
                                           PointLoadCase{"NearRightColumn", "25", 58.43f, 440.0f,
                                                         474.1f, 61.59f, false}),
                         [](const auto& p) { return std::string(p.param.name); });

// Only an exact entry of the list has a material; any other grade is refused
// before anything is stored: Fy, Fu, Ry and Cpr keep the 1 of ClearValues.
class SteelGradeTest : public ::testing::TestWithParam<std::array<const char*, 3>> {};

TEST_P(SteelGradeTest, OnlyAnEntryOfTheListHasAMaterial) {
    const auto [grade, material, error] = GetParam();  // material: "Fy Fu Ry Cpr"
    Calculated calc;
    test::Run(calc, InputsWith({{"Grade", grade}}));
    const DesignRecord& r = calc.record();
    EXPECT_EQ(std::to_string(r.Fy) + " " + std::to_string(r.Fu) + " " + ValueText(r.Ry) + " " +
                  ValueText(r.Cpr),
              material);
    EXPECT_EQ(FirstError(calc), error);
}

constexpr const char* kRefused =
    "CalculateSteelGrade 5 The steel grade is not one of the list's entries.";
INSTANTIATE_TEST_SUITE_P(
    Grades, SteelGradeTest,
    ::testing::Values(std::array{"A992   Fy=50 ksi   Fu=65 ksi", "50 65 1.1 1.15", ""},
                      std::array{"A572   Fy=50 ksi   Fu=60 ksi", "50 60 1.1 1.1", ""},
                      std::array{"a992   Fy=50 ksi   Fu=65 ksi", "1 1 1 1", kRefused},
                      std::array{"S355", "1 1 1 1", kRefused},
                      std::array{"", "1 1 1 1", kRefused}));

}  // namespace
}  // namespace vantrel
