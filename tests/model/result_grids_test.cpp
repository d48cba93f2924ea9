#include "model/result_grids.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(ResultGridsTest, LayoutOfTheThreeGrids) {
    ResultGrids grids;
    EXPECT_EQ(grids.summary.RowCount(), 30);
    EXPECT_EQ(grids.summary.ColumnCount(), 5);
    EXPECT_EQ(grids.checks.RowCount(), 55);
    EXPECT_EQ(grids.checks.ColumnCount(), 6);
    EXPECT_EQ(grids.parameters.RowCount(), 20);
    EXPECT_EQ(grids.parameters.ColumnCount(), 3);
    EXPECT_EQ(grids.summary.ColumnWidth(3), 4000);
    EXPECT_EQ(grids.checks.ColumnWidth(5), 0);  // the view's default
    EXPECT_EQ(grids.parameters.ColumnWidth(0), 4400);

    EXPECT_EQ(grids.summary.Text(14, 4), "");   // Vg has no reference
    EXPECT_EQ(grids.summary.Text(16, 4), " ");  // ds has a single blank
    EXPECT_EQ(grids.summary.Text(4, 4), "3.5.5  Figure 3-12");
    EXPECT_EQ(grids.summary.Text(12, 4), "3.5.5.1 step 2c");
    EXPECT_EQ(grids.checks.Text(7, 4), "2.6.2 Table (2-1)");
    EXPECT_EQ(grids.checks.Text(19, 1), "418/sq(fy)");
    EXPECT_EQ(grids.parameters.Text(2, 0), "Depth Less than 36\" ?");
    EXPECT_EQ(grids.parameters.Text(7, 0), "Flange reduction less than 50% of flange width?");

    EXPECT_EQ(grids.summary.Cell(0, 2).color, kHeadingGreen);
    EXPECT_EQ(grids.summary.Cell(0, 2).align, CellAlign::CenterCenter);
    EXPECT_EQ(grids.summary.Cell(5, 1).color, kValueYellow);
    EXPECT_EQ(grids.summary.Cell(5, 1).align, CellAlign::RightCenter);
    EXPECT_EQ(grids.summary.Cell(5, 2).color, kWhite);
    EXPECT_EQ(grids.checks.Cell(3, 2).align, CellAlign::RightCenter);
    EXPECT_EQ(grids.checks.Cell(3, 3).align, CellAlign::LeftTop);
    EXPECT_TRUE(grids.parameters.Cell(1, 0).bold);
    EXPECT_TRUE(grids.parameters.Cell(8, 0).bold);
    EXPECT_FALSE(grids.parameters.Cell(0, 0).bold);
    EXPECT_EQ(grids.parameters.Cell(8, 0).align, CellAlign::LeftTop);
    EXPECT_EQ(grids.parameters.Cell(19, 0).align, CellAlign::General);
}

TEST(ResultGridsTest, ClearResultsEmptiesValuesButKeepsFixedTextsAndColours) {
    ResultGrids grids;
    for (int row = 1; row <= 53; ++row) {
        grids.checks.SetText(row, 2, "v");
        if (row == 3) grids.checks.SetText(row, 3, "FAIL");
    }
    grids.checks.Paint(3, 2, 3, 2, kFailRed);
    grids.summary.SetText(16, 1, "6.92%");
    grids.summary.SetText(23, 1, "below the cleared rows");
    grids.parameters.SetText(19, 2, "x");
    ClearResults(grids);
    EXPECT_EQ(grids.checks.Text(3, 2), "");
    EXPECT_EQ(grids.checks.Text(3, 3), "");
    EXPECT_EQ(grids.checks.Cell(3, 2).color, kFailRed);
    for (int row : {1, 2, 5, 27, 28, 31, 32}) EXPECT_FALSE(grids.checks.Text(row, 3).empty()) << row;
    EXPECT_EQ(grids.checks.Text(27, 3), "Actual moment to be less than this amount.");
    EXPECT_EQ(grids.checks.Text(5, 1), "Srbs");
    EXPECT_EQ(grids.summary.Text(16, 1), "");
    EXPECT_EQ(grids.summary.Text(23, 1), "below the cleared rows");
    EXPECT_EQ(grids.summary.Text(16, 0), "ds");
    EXPECT_EQ(grids.parameters.Text(19, 2), "");
}

TEST(ResultGridsTest, InitializeRestoresRowCountsAndColoursButNotValues) {
    ResultGrids grids;
    grids.checks.AppendRow();
    grids.checks.AppendRow();
    EXPECT_EQ(grids.checks.RowCount(), 57);
    grids.checks.Paint(8, 2, 8, 2, kPassGreen);
    grids.summary.Paint(5, 1, 5, 1, kWhite);
    grids.summary.SetText(5, 1, "72.62");
    InitializeGrids(grids);
    EXPECT_EQ(grids.checks.RowCount(), 55);
    EXPECT_EQ(grids.checks.Cell(8, 2).color, kPassGreen);  // nothing repaints checked cells
    EXPECT_EQ(grids.summary.Cell(5, 1).color, kValueYellow);
    EXPECT_EQ(grids.summary.Text(5, 1), "72.62");
}

TEST(ResultGridsTest, CellsOutsideTheGridAreIgnored) {
    ResultGrid grid(2, 2);
    grid.SetText(5, 0, "x");
    grid.Paint(0, 0, 9, 9, kFailRed);
    EXPECT_EQ(grid.Text(5, 0), "");
    EXPECT_EQ(grid.Cell(1, 1).color, kFailRed);
}

}  // namespace
}  // namespace vantrel
