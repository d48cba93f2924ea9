#pragma once
// A grid of text cells, each with its background colour, alignment and bold:
// what the window's grid views display, calc prints as text tables and its
// JSON lists.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

using Rgb = uint32_t;  // 0xRRGGBB
inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kPassGreen = 0x00FF00;
inline constexpr Rgb kFailRed = 0xFF0000;
inline constexpr Rgb kHeadingGreen = 0x99CCAA;
inline constexpr Rgb kValueYellow = 0xFFFF00;

// "#RRGGBB", as calc's JSON and the browser edition name a colour.
std::string ColourText(Rgb colour);

enum class CellAlign { General, LeftTop, LeftCenter, CenterCenter, RightCenter };

struct GridCell {
    std::string text;
    Rgb color = kWhite;
    CellAlign align = CellAlign::General;
    bool bold = false;
};

class ResultGrid {
  public:
    ResultGrid(int rows, int columns);

    int RowCount() const { return rows_; }
    int ColumnCount() const { return columns_; }
    // Changing the row count keeps the cells of the rows that remain.
    void SetRowCount(int rows);
    void AppendRow() { SetRowCount(rows_ + 1); }

    const GridCell& Cell(int row, int column) const;
    const std::string& Text(int row, int column) const { return Cell(row, column).text; }
    void SetText(int row, int column, std::string_view text);
    // The text of a value followed by its unit, e.g. "28.48" and "   kip".
    void SetText(int row, int column, std::string_view text, std::string_view suffix);

    // Writing outside the grid is a programming error: it asserts in a debug
    // build and is counted, and ignored, otherwise.
    int MisplacedWrites() const { return misplacedWrites_; }

    // Operations on the rectangle of cells from (row1, col1) to (row2, col2).
    void Paint(int row1, int col1, int row2, int col2, Rgb color);
    void Align(int row1, int col1, int row2, int col2, CellAlign align);
    void SetBold(int row, int column, bool bold);
    void ClearTexts(int row1, int col1, int row2, int col2);

  private:
    GridCell& MutableCell(int row, int column);
    bool InRange(int row, int column) const;
    bool Writable(int row, int column);

    int rows_;
    int columns_;
    std::vector<GridCell> cells_;
    int misplacedWrites_ = 0;
};

}  // namespace vantrel
