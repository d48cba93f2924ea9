#include "result_grid.h"

#include <cassert>

namespace vantrel {

std::string ColourText(Rgb colour) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text = "#";
    for (int shift = 20; shift >= 0; shift -= 4) text += kDigits[(colour >> shift) & 0xF];
    return text;
}

ResultGrid::ResultGrid(int rows, int columns)
    : rows_(rows), columns_(columns), cells_(static_cast<size_t>(rows * columns)) {}

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

}  // namespace vantrel
