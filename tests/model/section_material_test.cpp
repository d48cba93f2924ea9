#include <gtest/gtest.h>

#include "support/design_fixture.h"

namespace vantrel {
namespace {

using test::Calculated;
using test::InputsWith;

struct ModulusCase {
    const char* overrideC;
    float zrbs;
    float srbs;
    const char* zrbsText;
    const char* srbsText;
};

class ZrbsTest : public ::testing::TestWithParam<ModulusCase> {};

TEST_P(ZrbsTest, ReducedModuliOfTheWorkedBeam) {
    const ModulusCase& c = GetParam();
    Calculated calc;
    test::Run(calc, InputsWith({{"Beam", "W 21x44"}, {"Column", "W 14x90"}, {"ORC", c.overrideC}}));
    EXPECT_EQ(calc.record().Zrbs, c.zrbs);
    EXPECT_EQ(calc.record().Srbs, c.srbs);
    EXPECT_EQ(calc.summary(5, 1), c.zrbsText);
    EXPECT_EQ(calc.checks(5, 2), c.srbsText);
}

INSTANTIATE_TEST_SUITE_P(Cuts, ZrbsTest,
                         ::testing::Values(ModulusCase{"1.5", 68.06f, 53.08f, "68.06   in\xC2\xB3",
                                                       "53.08   in\xC2\xB3"},
                                           ModulusCase{"0.001", 95.38f, 79.81f,
                                                       "95.38   in\xC2\xB3",
                                                       "79.81   in\xC2\xB3"}));

struct GradeCase {
    const char* grade;
    int fy;
    int fu;
    float cpr;
    const char* cprText;
    const char* ryText;
};

class SteelGradeTest : public ::testing::TestWithParam<GradeCase> {};

TEST_P(SteelGradeTest, MaterialOfTheSelectedGrade) {
    const GradeCase& c = GetParam();
    Calculated calc;
    test::Run(calc, InputsWith({{"Grade", c.grade}}));
    EXPECT_EQ(calc.record().Fy, c.fy);
    EXPECT_EQ(calc.record().Fu, c.fu);
    EXPECT_EQ(calc.record().Cpr, c.cpr);
    EXPECT_EQ(calc.summary(6, 1), c.cprText);
    EXPECT_EQ(calc.summary(7, 1), c.ryText);
    for (const ChainError& e : calc.errors.errors) EXPECT_NE(e.procedure, "CalculateSteelGrade");
}

INSTANTIATE_TEST_SUITE_P(
    Grades, SteelGradeTest,
    ::testing::Values(GradeCase{"A992   Fy=50 ksi   Fu=65 ksi", 50, 65, 1.15f, "1.15", "1.1"},
                      GradeCase{"A572   Fy=50 ksi   Fu=60 ksi", 50, 60, 1.1f, "1.1", "1.1"},
                      // An unknown grade is no error: everything works with Fy = 1.
                      GradeCase{"S355", 1, 1, 1.0f, "1", "1"},
                      GradeCase{"a992   Fy=50 ksi   Fu=65 ksi", 1, 1, 1.0f, "1", "1"}));

}  // namespace
}  // namespace vantrel
