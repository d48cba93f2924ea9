#include "present/result_grids.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace vantrel {
namespace {

// Every size and cell of a grid, one line per cell.
std::string Layout(const ResultGrid& g) {
    std::string out = std::to_string(g.RowCount()) + "x" + std::to_string(g.ColumnCount());
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColumnCount(); ++c) {
            const GridCell& cell = g.Cell(r, c);
            out += "\n" + std::to_string(r) + "," + std::to_string(c) + " " +
                   std::to_string(cell.color) + " " + std::to_string(static_cast<int>(cell.align)) +
                   (cell.bold ? " B " : " - ") + cell.text;
        }
    return out;
}

uint64_t Fingerprint(const std::string& text) {
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (unsigned char ch : text) hash = (hash ^ ch) * 1099511628211ull;
    return hash;
}

// A pinned snapshot of the laid-out grids: a moved, lost or overwritten
// caption, colour or alignment changes it. After a deliberate layout
// change, review the printed layout and pin the new value.
TEST(ResultGridsTest, LayoutMatchesTheReviewedSnapshot) {
    const ResultGrids grids;
    const std::string layout =
        Layout(grids.summary) + "\n" + Layout(grids.checks) + "\n" + Layout(grids.parameters);
    EXPECT_EQ(Fingerprint(layout), 4981780473365840534ull) << layout;
}

// Fills every empty cell, clears the results and expects exactly the result
// areas emptied: summary rows 1-22 columns 1-2, checks rows 1-53 columns 2-3
// (fixed descriptions kept), parameters rows 1-19 columns 1-2.
TEST(ResultGridsTest, ClearResultsEmptiesExactlyTheResultAreas) {
    const ResultGrids fresh;
    ResultGrids grids;
    struct Area {
        ResultGrid* grid;
        const ResultGrid* fresh;
        int lastRow, firstColumn, lastColumn;
    } areas[] = {{&grids.summary, &fresh.summary, 22, 1, 2},
                 {&grids.checks, &fresh.checks, 53, 2, 3},
                 {&grids.parameters, &fresh.parameters, 19, 1, 2}};
    for (const Area& a : areas)
        for (int r = 0; r < a.grid->RowCount(); ++r)
            for (int c = 0; c < a.grid->ColumnCount(); ++c)
                if (a.grid->Text(r, c).empty()) a.grid->SetText(r, c, "x");
    grids.checks.Paint(3, 2, 3, 2, kFailRed);
    ClearResults(grids);
    // Neither the layout nor the clearing reaches outside a grid.
    for (const ResultGrid* g : grids.All()) EXPECT_EQ(g->MisplacedWrites(), 0);
    for (const Area& a : areas)
        for (int r = 0; r < a.grid->RowCount(); ++r)
            for (int c = 0; c < a.grid->ColumnCount(); ++c) {
                const bool inArea =
                    r >= 1 && r <= a.lastRow && c >= a.firstColumn && c <= a.lastColumn;
                const std::string& before = a.fresh->Text(r, c);
                EXPECT_EQ(a.grid->Text(r, c), inArea || !before.empty() ? before : "x")
                    << r << "," << c;
            }
    EXPECT_EQ(grids.checks.Cell(3, 2).color, kFailRed);
}

// A shrink drops the rows' texts; growing again brings empty rows.
TEST(ResultGridsTest, RowsDroppedByAShrinkComeBackEmpty) {
    ResultGrid grid(6, 2);
    grid.SetText(5, 1, "old");
    grid.SetRowCount(2);
    grid.SetRowCount(10);
    EXPECT_EQ(grid.Text(5, 1), "");
    grid.SetText(9, 1, "last");
    EXPECT_EQ(grid.Text(9, 1), "last");
    EXPECT_EQ(grid.MisplacedWrites(), 0);
}

// A write outside the grid is a programming error: caught, never silent.
TEST(ResultGridsTest, AWriteOutsideTheGridIsCaught) {
    ResultGrid grid(10, 2);
#ifdef NDEBUG
    grid.SetText(10, 0, "x");
    grid.Paint(9, 1, 9, 2, kFailRed);
    EXPECT_EQ(grid.MisplacedWrites(), 2);
    EXPECT_EQ(grid.Text(10, 0), "");
    EXPECT_EQ(grid.Cell(9, 1).color, kFailRed);
#else
    EXPECT_DEATH(grid.SetText(10, 0, "x"), "outside the grid");
#endif
}

}  // namespace
}  // namespace vantrel
