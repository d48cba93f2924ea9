#include "result_grids.h"

#include <cassert>

namespace vantrel {

ResultGrid::ResultGrid(int rows, int columns)
    : rows_(rows),
      columns_(columns),
      widths_(static_cast<size_t>(columns), 0),
      cells_(static_cast<size_t>(rows * columns)) {}

void ResultGrid::SetRowCount(int rows) {
    if (rows < 0) rows = 0;
    rows_ = rows;
    cells_.resize(static_cast<size_t>(rows * columns_));
}

bool ResultGrid::InRange(int row, int column) const {
    return row >= 0 && row < rows_ && column >= 0 && column < columns_;
}

const GridCell& ResultGrid::Cell(int row, int column) const {
    static const GridCell kNoCell;
    if (!InRange(row, column)) return kNoCell;
    return cells_[static_cast<size_t>(row * columns_ + column)];
}

GridCell& ResultGrid::MutableCell(int row, int column) {
    return cells_[static_cast<size_t>(row * columns_ + column)];
}

bool ResultGrid::Writable(int row, int column) {
    if (InRange(row, column)) return true;
    // A presenter or layout that writes outside the grid has the wrong row
    // or column: a debug build stops here, and the tests read the count.
    ++misplacedWrites_;
    assert(!"a write outside the grid");
    return false;
}

void ResultGrid::SetText(int row, int column, std::string_view text) {
    if (Writable(row, column)) MutableCell(row, column).text.assign(text);
}

void ResultGrid::SetText(int row, int column, std::string_view text, std::string_view suffix) {
    if (!Writable(row, column)) return;
    std::string& cell = MutableCell(row, column).text;
    cell.assign(text);
    cell.append(suffix);
}

void ResultGrid::Paint(int row1, int col1, int row2, int col2, Rgb color) {
    for (int r = row1; r <= row2; ++r)
        for (int c = col1; c <= col2; ++c)
            if (Writable(r, c)) MutableCell(r, c).color = color;
}

void ResultGrid::Align(int row1, int col1, int row2, int col2, CellAlign align) {
    for (int r = row1; r <= row2; ++r)
        for (int c = col1; c <= col2; ++c)
            if (Writable(r, c)) MutableCell(r, c).align = align;
}

void ResultGrid::SetBold(int row, int column, bool bold) {
    if (Writable(row, column)) MutableCell(row, column).bold = bold;
}

void ResultGrid::ClearTexts(int row1, int col1, int row2, int col2) {
    for (int r = row1; r <= row2; ++r)
        for (int c = col1; c <= col2; ++c)
            if (Writable(r, c)) MutableCell(r, c).text.clear();
}

ResultGrids::ResultGrids() { InitializeGrids(*this); }

namespace {

struct Caption {
    int row;
    int column;
    const char* text;
};

void WriteCaptions(ResultGrid& grid, std::initializer_list<Caption> captions) {
    for (const Caption& caption : captions) grid.SetText(caption.row, caption.column, caption.text);
}

void LayOut(ResultGrid& grid, int rows, std::initializer_list<int> widths) {
    grid.SetRowCount(rows);
    int column = 0;
    for (int width : widths) grid.SetColumnWidth(column++, width);
    grid.Align(0, 0, 0, grid.ColumnCount() - 1, CellAlign::CenterCenter);
    grid.Paint(0, 0, 0, grid.ColumnCount() - 1, kHeadingGreen);
}

void InitializeSummary(ResultGrid& g) {
    LayOut(g, 30, {500, 1250, 1250, 4000, 2400});
    g.Align(1, 0, 29, 0, CellAlign::CenterCenter);
    g.Align(1, 1, 29, 1, CellAlign::RightCenter);
    g.Paint(1, 1, 29, 1, kValueYellow);
    g.Align(1, 2, 29, 4, CellAlign::LeftCenter);
    WriteCaptions(g, {
        {0, 0, "Item"}, {0, 1, "Value"}, {0, 2, "Notes"}, {0, 3, "Description"},
        {0, 4, "FEMA 350 (July 2000)"},
        {1, 0, "A"}, {1, 3, "Starting point of the RBS"}, {1, 4, "3.5.5.1 Step 1"},
        {2, 0, "B"}, {2, 3, "Length of the RBS"}, {2, 4, "3.5.5.1 Step 1"},
        {3, 0, "C"}, {3, 3, "Width of the RBS"}, {3, 4, "3.5.5.1 Step 2a"},
        {4, 0, "R"}, {4, 3, "Radius of the RBS"}, {4, 4, "3.5.5  Figure 3-12"},
        {5, 0, "Zrbs"}, {5, 3, "Plastic section modulus of the RBS"}, {5, 4, "3.5.5.1 Step 2b"},
        {6, 0, "Cpr"}, {6, 3, "Peak connection strength coefficient"}, {6, 4, "3.2.4 (3-2)"},
        {7, 0, "Ry"}, {7, 3, "Material strength coefficient"}, {7, 4, "2.6.2 Table 2-1"},
        {8, 0, "Mpr"}, {8, 3, "Probable peak plastic hinge moment at RBS"}, {8, 4, "3.2.4 (3-1)"},
        {9, 0, "X"}, {9, 3, "Distance from column face to the center of the RBS"},
        {9, 4, "3.2.6 Fig.(3-4)"},
        {10, 0, "L'"}, {10, 3, "Center-to-Center distance of RBSs"}, {10, 4, "3.2.6 Fig.(3-3)"},
        {11, 0, "Vp"}, {11, 3, "Shear at the RBS"}, {11, 4, "3.2.6 Fig.(3-3)"},
        {12, 0, "Mf"}, {12, 3, "Probable plastic moment at the face of the column"},
        {12, 4, "3.5.5.1 step 2c"},
        {13, 0, "Mc"}, {13, 3, "Probable plastic moment at the center of the column"},
        {13, 4, "3.5.5.1 step 3"},
        {14, 0, "Vg"}, {14, 3, "Shear at the column face from factored gravity loads"},
        {15, 0, "Vf"}, {15, 3, "Shear at the column face"}, {15, 4, "3.5.5.1 Step 4"},
        {16, 0, "ds"}, {16, 3, "Frame's drift increase factor due to RBS"}, {16, 4, " "},
    });
}

void InitializeChecks(ResultGrid& g) {
    LayOut(g, 55, {1400, 1200, 1200, 3900, 1700, 0});
    g.Align(1, 0, 54, 0, CellAlign::LeftCenter);
    g.Align(1, 1, 54, 1, CellAlign::LeftTop);
    g.Align(1, 2, 54, 2, CellAlign::RightCenter);
    g.Align(1, 3, 54, 4, CellAlign::LeftTop);
    WriteCaptions(g, {
        {0, 0, "Check Items"}, {0, 1, "Design checks"}, {0, 2, "Value"}, {0, 3, "Description"},
        {0, 4, "FEMA Section"},
        {1, 0, "Mf"}, {1, 1, "Mf"}, {1, 3, "Probable plastic moment at the face of the column"},
        {1, 4, "3.5.5.1 Step 2d"},
        {2, 1, "Ry Zb Fy"}, {2, 3, "Max allowable plastic moment in the beam"},
        {3, 1, "Ratio"},
        {5, 0, "Doubler Plates"}, {5, 1, "Srbs"}, {5, 3, "Section modulus at RBS"},
        {6, 1, "Cy"}, {6, 4, "3.2.7 (3-4)"},
        {7, 1, "Ry"}, {7, 4, "2.6.2 Table (2-1)"},
        {8, 1, "t"}, {8, 4, "3.3.3.2 (3-7)"},
        {10, 0, "Continuity plates"}, {10, 1, "Tcf1"}, {10, 4, "3.3.3.1 (3-5)"},
        {11, 1, "Tcf2"}, {11, 4, "3.3.3.1 (3-6)"},
        {12, 1, "Tcf"},
        {14, 0, "Beam Flange"}, {14, 1, "bf/2tf"}, {14, 4, "3.3.1.1"},
        {15, 1, "52/sqrt(Fy)"},
        {16, 1, "Ratio"},
        {18, 0, "Beam Web"}, {18, 1, "hc/tw"}, {18, 4, "3.3.1.2"},
        {19, 1, "418/sq(fy)"},
        {20, 1, "Ratio"},
        {22, 0, "Shear in Beam"}, {22, 1, "Vf"},
        {23, 1, "Allow. Shear"},
        {24, 1, "Unity Check"},
        {26, 0, "Moment in Beam"},
        {27, 1, "Allow. Moment"}, {27, 3, "Actual moment to be less than this amount."},
        {28, 3, "Check with your frame analysis software."},
        {30, 0, "Moment at RBS"},
        {31, 1, "Allow. Moment"}, {31, 3, "Actual moment at RBS to be less than this amount."},
        {32, 3, "Check with your frame analysis software."},
    });
}

void InitializeParameters(ResultGrid& g) {
    LayOut(g, 20, {4400, 1500, 3500});
    g.Align(1, 0, 18, 0, CellAlign::LeftCenter);
    g.Align(1, 1, 18, 2, CellAlign::LeftTop);
    for (int row : {1, 8}) {
        g.SetBold(row, 0, true);
        g.Align(row, 0, row, 0, CellAlign::LeftTop);
    }
    WriteCaptions(g, {
        {0, 0, "Check Items"}, {0, 1, "Value"}, {0, 2, "Notes"},
        {1, 0, "Beam Parameter Checks"},
        {2, 0, "Depth Less than 36\" ?"},
        {3, 0, "Weight less than 300 lb/ft ?"},
        {4, 0, "Span to Depth ratio greater than 7 ?"},
        {5, 0, "Flange thickness less than 1-3/4\" ?"},
        {6, 0, "Moment resistance by flange at least 0.7xMplastic ?"},
        {7, 0, "Flange reduction less than 50% of flange width?"},
        {8, 0, "Column Parameter Checks"},
        {9, 0, "Is the size W12x or W14x ?"},
        {10, 0, "Column width at least beam width ?"},
    });
}

// Rows of the code-checks grid whose column 3 holds a fixed description.
bool HasFixedDescription(int row) {
    switch (row) {
        case 1: case 2: case 5: case 27: case 28: case 31: case 32: return true;
        default: return false;
    }
}

}  // namespace

void InitializeGrids(ResultGrids& grids) {
    InitializeSummary(grids.summary);
    InitializeChecks(grids.checks);
    InitializeParameters(grids.parameters);
}

void ResetGrids(ResultGrids& grids) {
    grids = ResultGrids{};
}

void ClearResults(ResultGrids& grids) {
    grids.summary.ClearTexts(1, 1, 22, 2);
    grids.checks.ClearTexts(1, 2, 53, 2);
    for (int row = 1; row <= 53; ++row) {
        if (!HasFixedDescription(row)) grids.checks.ClearTexts(row, 3, row, 3);
    }
    grids.parameters.ClearTexts(1, 1, 19, 2);
}

}  // namespace vantrel
