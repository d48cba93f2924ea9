#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/design_fixture.h"

namespace vantrel {
namespace {

using test::Calculated;
using test::InputsWith;

std::vector<std::string> Procedures(const Calculated& calc) {
    std::vector<std::string> names;
    for (const ChainError& e : calc.errors.errors) names.push_back(e.module + "." + e.procedure);
    return names;
}

TEST(ErrorTrapTest, FailingCutIsReportedOnceAndLaterStepsStillFillTheirCells) {
    DesignInputs inputs = test::WorkedExample();
    inputs.ORA = "abc";
    Calculated calc;
    test::Run(calc, inputs);
    ASSERT_EQ(Procedures(calc), std::vector<std::string>{"Tab1.CalculateCutout"});
    EXPECT_EQ(calc.errors.errors[0].number, 13);
    // The cut stopped at a: rows 1 to 4 stay empty, a, b, c, R keep 1.
    for (int row = 1; row <= 4; ++row) EXPECT_EQ(calc.summary(row, 1), "") << row;
    EXPECT_EQ(calc.record().c, 1.0f);
    // Later steps ran with c = 1 and wrote their cells again.
    EXPECT_EQ(calc.summary(5, 1), "77.18   in\xC2\xB3");  // Zx - 2 c tf (d - tf) with c = 1
    for (int row = 5; row <= 16; ++row) EXPECT_FALSE(calc.summary(row, 1).empty()) << row;
    EXPECT_FALSE(calc.checks(3, 3).empty());
    EXPECT_FALSE(calc.parameters(2, 2).empty());
}

TEST(ErrorTrapTest, EmptyLengthFailsEachProcedureThatReadsIt) {
    DesignInputs inputs = test::WorkedExample();
    inputs.Length = "";
    Calculated calc;
    test::Run(calc, inputs);
    EXPECT_EQ(Procedures(calc),
              (std::vector<std::string>{"Tab1.CalculateVP", "Tab2.CheckBeamParameters"}));
    EXPECT_EQ(calc.record().L, 1.0f);
    EXPECT_EQ(calc.record().X, 11.75f);  // written before the length is read...
    EXPECT_EQ(calc.summary(9, 1), "");   // ...and its text emptied by the error report
    EXPECT_EQ(calc.record().Mf, 383.8f);  // Mpr + Vp X / 12 with Vp left at 1
    // The parameter check's report empties the summary again; the checks after it write anew.
    EXPECT_EQ(calc.summary(12, 1), "");
    EXPECT_EQ(calc.checks(1, 2), "383.8   ft-kip");
    // The rows before the span ratio were complete (green) when the report emptied them.
    EXPECT_EQ(calc.state.grids.parameters.Cell(3, 1).color, kPassGreen);
    EXPECT_EQ(calc.parameters(3, 2), "");
    EXPECT_EQ(calc.parameters(4, 1), "");
    EXPECT_EQ(calc.state.grids.parameters.Cell(4, 1).color, kWhite);
    EXPECT_EQ(calc.parameters(5, 1), "");          // rows after it are not processed
}

TEST(ErrorTrapTest, LoadTextThatIsNotANumberKeepsTheLoadsBeforeIt) {
    DesignInputs inputs = test::WorkedExample();
    inputs.DistDL1 = "2";
    inputs.DistLL2 = "x";
    inputs.PointDL1 = "7";
    Calculated calc;
    calc.state.record.PointDL1 = 3.0f;  // from an earlier calculation
    test::Run(calc, inputs);
    EXPECT_EQ(Procedures(calc), std::vector<std::string>{"Tab1.CalculateVP"});
    EXPECT_EQ(calc.record().DistDL1, 2.0f);
    EXPECT_EQ(calc.record().PointDL1, 3.0f);
    EXPECT_EQ(calc.record().Vp, 1.0f);
}

struct HeightCase {
    const char* height;
    int number;
    float h;
};

class PanelZoneErrorTest : public ::testing::TestWithParam<HeightCase> {};

TEST_P(PanelZoneErrorTest, BadHeightFailsThePanelZoneCheckOnly) {
    DesignInputs inputs = test::WorkedExample();
    inputs.Height = GetParam().height;
    Calculated calc;
    calc.state.record.h = 42.0f;
    test::Run(calc, inputs);
    ASSERT_EQ(Procedures(calc), std::vector<std::string>{"Tab4.CheckPanelZone"});
    EXPECT_EQ(calc.errors.errors[0].number, GetParam().number);
    EXPECT_EQ(calc.record().h, GetParam().h);
    EXPECT_EQ(calc.checks(8, 2), "");
    EXPECT_EQ(calc.state.grids.checks.Cell(8, 2).color, kWhite);
    EXPECT_EQ(calc.checks(12, 3), "FAIL - Continuity plates required");  // later checks ran
}

INSTANTIATE_TEST_SUITE_P(Heights, PanelZoneErrorTest,
                         ::testing::Values(HeightCase{"abc", 13, 42.0f},  // h keeps its value
                                           HeightCase{"", 13, 42.0f},
                                           HeightCase{"0", 11, 0.0f}));  // h stored, then 0/0

TEST(ErrorTrapTest, DesignationMissingFromTheTableNeverShowsNonFiniteText) {
    Calculated calc;
    test::Run(calc, InputsWith({{"Beam", "W 99x1"}, {"Column", "W 99x2"}}));
    EXPECT_EQ(calc.record().Beam.Name, "0");
    EXPECT_FALSE(calc.errors.errors.empty());
    for (const ResultGrid* grid :
         {&calc.state.grids.summary, &calc.state.grids.checks, &calc.state.grids.parameters}) {
        for (int r = 0; r < grid->RowCount(); ++r)
            for (int c = 0; c < grid->ColumnCount(); ++c) {
                const std::string& text = grid->Text(r, c);
                EXPECT_EQ(text.find("nan"), std::string::npos) << text;
                EXPECT_EQ(text.find("inf"), std::string::npos) << text;
            }
    }
}

TEST(ErrorTrapTest, ReportedErrorPromptAndTitle) {
    ChainError e;
    e.module = "Tab1";
    e.procedure = "CalculateCutout";
    e.number = 13;
    e.description = "Type mismatch";
    EXPECT_EQ(ErrorPrompt(e),
              "An unexpected error has occured in the \"CalculateCutout\" of \"Tab1\".\r\n"
              "(ERROR: \"Type mismatch\" ). \r\n\r\n");
    EXPECT_EQ(ErrorTitle(e), "13 : Vantrel");
}

TEST(CalculateTest, RunningTwiceGivesIdenticalResults) {
    DesignInputs inputs = test::WorkedExample();
    inputs.FRAMETYPE = "OMRF";
    inputs.PointLL3 = "3.5";
    inputs.PointLoadLocation3 = "12.25";
    Calculated once;
    test::Run(once, inputs);
    Calculated twice;
    test::Run(twice, inputs);
    test::Run(twice, inputs);
    for (const auto& [a, b] : {std::pair{&once.state.grids.summary, &twice.state.grids.summary},
                               std::pair{&once.state.grids.checks, &twice.state.grids.checks},
                               std::pair{&once.state.grids.parameters,
                                         &twice.state.grids.parameters}}) {
        for (int r = 0; r < a->RowCount(); ++r)
            for (int c = 0; c < a->ColumnCount(); ++c) {
                EXPECT_EQ(a->Text(r, c), b->Text(r, c)) << r << ',' << c;
                EXPECT_EQ(a->Cell(r, c).color, b->Cell(r, c).color) << r << ',' << c;
            }
    }
    EXPECT_EQ(once.state.labels, twice.state.labels);
    EXPECT_EQ(once.record().Vf, twice.record().Vf);
    EXPECT_EQ(once.record().Cy, twice.record().Cy);
}

TEST(CalculateTest, ClearValuesSetsDerivedValuesToOneAndKeepsLoads) {
    DesignRecord r;
    r.Beam.Name = "W 21x44";
    r.DistDL1 = 2.5f;
    r.h = 96.0f;
    r.Modified = true;
    ClearValues(r);
    EXPECT_EQ(r.Beam.Name, "W 21x44");
    EXPECT_EQ(r.Beam.bf, 1.0f);
    EXPECT_EQ(r.Column.Weight, 1.0f);
    EXPECT_EQ(r.Mpr, 1.0f);
    EXPECT_EQ(r.ds, 1.0f);
    EXPECT_EQ(r.Fy, 1);
    EXPECT_EQ(r.VpSide, "1");
    EXPECT_EQ(r.DistDL1, 2.5f);
    EXPECT_EQ(r.h, 96.0f);
    EXPECT_TRUE(r.Modified);
}

}  // namespace
}  // namespace vantrel
