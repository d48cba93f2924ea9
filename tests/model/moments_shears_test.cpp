#include <gtest/gtest.h>

#include "support/design_fixture.h"

namespace vantrel {
namespace {

using test::Calculated;
using test::InputsWith;

struct SummaryRow {
    int row;
    const char* value;
    const char* note;
};

struct WorkedExample {
    const char* name;
    DesignInputs inputs;
    std::vector<SummaryRow> rows;
};

class WorkedExampleTest : public ::testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExampleTest, ReproducesEveryCalculatedValue) {
    Calculated calc;
    test::Run(calc, GetParam().inputs);
    EXPECT_TRUE(calc.errors.errors.empty());
    for (const SummaryRow& row : GetParam().rows) {
        EXPECT_EQ(calc.summary(row.row, 1), row.value) << "row " << row.row;
        EXPECT_EQ(calc.summary(row.row, 2), row.note) << "row " << row.row;
    }
}

DesignInputs LoadedWorkedExample() {
    DesignInputs inputs = test::WorkedExample();
    inputs.DistDL[0] = "1";
    inputs.DistLL[0] = "0.5";
    inputs.PointDL[0] = "10";
    inputs.PointLoadLocation[0] = "10";
    return inputs;
}

INSTANTIATE_TEST_SUITE_P(
    Designs, WorkedExampleTest,
    ::testing::Values(WorkedExample{"W21x44OnW14x90",
                                    test::WorkedExample(),
                                    {{1, "4.00   in.", "From 3.900   in."},
                                     {2, "15.50   in.", "From 15.525   in."},
                                     {3, "1.25   in.", "From 1.300   in."},
                                     {4, "24.65   in.", ""},
                                     {5, "72.62   in\xC2\xB3", ""},
                                     {6, "1.15", ""},
                                     {7, "1.1", ""},
                                     {8, "382.8   ft-kip", ""},
                                     {9, "11.75   in", ""},
                                     {10, "26.88   ft", ""},
                                     {11, "28.48   kip", ""},
                                     {12, "410.7   ft-kip", ""},
                                     {13, "427.3   ft-kip", ""},
                                     {14, "0   kip", ""},
                                     {15, "28.49   kip", ""},
                                     {16, "6.92%", ""}}},
                      WorkedExample{"SmallestShapes",
                                    InputsWith({{"Length", "15"}}),
                                    {{1, "2.50   in.", "From 2.436   in."},
                                     {2, "3.00   in.", "From 3.120   in."},
                                     {3, "0.75   in.", "From 0.812   in."},
                                     {4, "1.88   in.", ""},
                                     {5, "4.31   in\xC2\xB3", ""},
                                     {8, "22.7   ft-kip", ""},
                                     {9, "4.00   in", ""},
                                     {10, "13.99   ft", ""},
                                     {11, "3.25   kip", ""},
                                     {12, "23.8   ft-kip", ""},
                                     {13, "24.3   ft-kip", ""},
                                     {15, "3.25   kip", ""},
                                     {16, "6.65%", ""}}},
                      WorkedExample{"WithGravityLoads",
                                    LoadedWorkedExample(),
                                    {{11, "55.94   kip", ""},
                                     {12, "437.6   ft-kip", ""},
                                     {14, "28.99   kip", ""},
                                     {15, "59.34   kip", ""}}},
                      // The same loads spread over the three rows of each kind add up alike.
                      WorkedExample{"WithGravityLoadsOnEveryRow",
                                    InputsWith({{"Beam", "W 21x44"},
                                                {"Column", "W 14x90"},
                                                {"Length", "30"},
                                                {"DistDL1", "0.5"},
                                                {"DistDL2", "0.25"},
                                                {"DistDL3", "0.25"},
                                                {"DistLL1", "0.25"},
                                                {"DistLL2", "0.125"},
                                                {"DistLL3", "0.125"},
                                                {"PointDL2", "4"},
                                                {"PointLoadLocation2", "10"},
                                                {"PointDL3", "6"},
                                                {"PointLoadLocation3", "10"}}),
                                    {{11, "55.94   kip", ""},
                                     {12, "437.6   ft-kip", ""},
                                     {14, "28.99   kip", ""},
                                     {15, "59.34   kip", ""}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(WorkedExampleTest, RecordHoldsTheRoundedValues) {
    Calculated calc;
    test::Run(calc, test::WorkedExample());
    const DesignRecord& r = calc.record();
    EXPECT_EQ(r.Mpr, 382.8f);
    EXPECT_EQ(r.X, 11.75f);
    EXPECT_EQ(r.Lprime, 26.88f);  // 26.875 rounds up
    EXPECT_EQ(r.Vp, 28.48f);
    EXPECT_EQ(r.VpSide, "(Occurs at the Left side)");  // all loads 0: the sides tie
    EXPECT_EQ(r.VgSide, "(Occurs at the Left side)");
    EXPECT_EQ(r.Vg, 0.0f);
    EXPECT_FLOAT_EQ(r.ds, 0.09f * 1.25f / (0.25f * 6.5f));
    EXPECT_TRUE(r.Modified);
}

TEST(GravityLoadTest, PointLoadNearTheLeftGovernsBothShears) {
    Calculated calc;
    test::Run(calc, LoadedWorkedExample());
    const DesignRecord& r = calc.record();
    EXPECT_EQ(r.Vp, 55.94f);
    EXPECT_EQ(r.VpSide, "(Occurs at the Left side)");
    EXPECT_EQ(r.Mf, 437.6f);
    EXPECT_EQ(r.Vg, 28.99f);
    EXPECT_EQ(r.Vf, 59.34f);
    EXPECT_EQ(r.VgSide, "(Occurs at the Left side)");
    EXPECT_EQ(r.DistDL[0], 1.0f);
    EXPECT_EQ(r.PointLoadLocation[0], 10.0f);
}

TEST(GravityLoadTest, PointLoadNearTheRightMovesTheGoverningSide) {
    DesignInputs inputs = test::WorkedExample();
    inputs.PointDL[0] = "10";
    inputs.PointLoadLocation[0] = "25";
    Calculated calc;
    test::Run(calc, inputs);
    EXPECT_EQ(calc.record().VpSide, "(Occurs at the Right side)");
    EXPECT_EQ(calc.record().VgSide, "(Occurs at the Right side)");
}

TEST(GravityLoadTest, LoadBeyondTheHingesIsUsedUnchanged) {
    DesignInputs inputs = test::WorkedExample();
    inputs.PointLL[1] = "4";
    inputs.PointLoadLocation[1] = "29.5";  // past the far hinge: MR grows, ML turns negative
    Calculated calc;
    test::Run(calc, inputs);
    EXPECT_TRUE(calc.errors.errors.empty());
    EXPECT_EQ(calc.record().VpSide, "(Occurs at the Right side)");
    EXPECT_GT(calc.record().Vp, 28.48f);
}

}  // namespace
}  // namespace vantrel
