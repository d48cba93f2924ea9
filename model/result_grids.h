#pragma once
// The three result grids as a model of text cells: the calculated values
// ("summary"), the code checks and the parameter checks. The window's grid
// views only display it; the report copies its texts.

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
// Value and verdict cells of results that no longer match the inputs.
inline constexpr Rgb kStaleGrey = 0xC8C8C8;

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

    // Column widths in twips; 0 means the view's default width.
    int ColumnWidth(int column) const { return widths_[static_cast<size_t>(column)]; }
    void SetColumnWidth(int column, int twips) { widths_[static_cast<size_t>(column)] = twips; }

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
    std::vector<int> widths_;
    std::vector<GridCell> cells_;
    int misplacedWrites_ = 0;
};

struct ResultGrids {
    ResultGrid summary{30, 5};     // calculated values
    ResultGrid checks{55, 6};      // code checks
    ResultGrid parameters{20, 3};  // beam and column parameters

    ResultGrids();  // laid out by InitializeGrids
};

// Row counts, widths, heading and caption texts, alignment, colours and bold
// of the three grids. Does not empty value cells.
void InitializeGrids(ResultGrids& grids);

// Empties the value cells of the three grids: the summary's values and notes,
// the checks' values and statuses (keeping the fixed descriptions of rows 1,
// 2, 5, 27, 28, 31 and 32), the parameters' values and notes. Colours stay.
void ClearResults(ResultGrids& grids);

// The grids as a freshly started window shows them: the layout's row counts,
// fixed texts and colours, every value and verdict cell empty.
void ResetGrids(ResultGrids& grids);

// The grids' widths and heights in twips, and the scroll limit of each view.
inline constexpr int kGridWidthTwips = 9600;
inline constexpr int kGridHeightTwips = 4000;
inline constexpr int kSummaryScrollLimit = 3;
inline constexpr int kChecksScrollLimit = 20;
inline constexpr int kParametersScrollLimit = 1;
// The columns of each grid's value and verdict cells (rows 1 on), those that
// ClearResults empties.
struct ValueColumns {
    int first;
    int last;
};
inline constexpr ValueColumns kSummaryValueColumns{1, 2};
inline constexpr ValueColumns kChecksValueColumns{2, 3};
inline constexpr ValueColumns kParametersValueColumns{1, 2};

}  // namespace vantrel
