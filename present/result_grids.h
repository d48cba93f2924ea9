#pragma once
// The three result grids, their rows and columns named: the calculated values
// ("summary"), the code checks and the beam and column parameters. Each
// grid's layout (row count, headings, the captions of its named rows,
// alignment, colours, bold) is one table in result_grids.cpp; the presenters
// fill the value cells by the same names.

#include <array>

#include "result_grid.h"

namespace vantrel {

// The columns of a grid's value and verdict cells, from row 1 on.
struct ValueColumns {
    int first;
    int last;
};

// A result grid whose rows and columns are named by the enums Row and
// Column; the cell operations take the names as well as numbers.
template <class RowName, class ColumnName>
class NamedGrid : public ResultGrid {
  public:
    using Row = RowName;
    using Column = ColumnName;
    using ResultGrid::Cell;
    using ResultGrid::Paint;
    using ResultGrid::SetText;
    using ResultGrid::Text;

    static constexpr int At(Row row) { return static_cast<int>(row); }
    static constexpr int At(Column column) { return static_cast<int>(column); }

    const GridCell& Cell(Row row, Column column) const { return Cell(At(row), At(column)); }
    const std::string& Text(Row row, Column column) const { return Text(At(row), At(column)); }
    void SetText(Row row, Column column, std::string_view text) {
        SetText(At(row), At(column), text);
    }
    void SetText(Row row, Column column, std::string_view text, std::string_view suffix) {
        SetText(At(row), At(column), text, suffix);
    }
    // The cells of one row from column first to column last.
    void Paint(Row row, Column first, Column last, Rgb color) {
        Paint(At(row), At(first), At(row), At(last), color);
    }

  protected:
    using ResultGrid::ResultGrid;
};

enum class SummaryRow : int {
    kHeadings,
    kA,
    kB,
    kC,
    kR,
    kZrbs,
    kCpr,
    kRy,
    kMpr,
    kX,
    kLprime,
    kVp,
    kMf,
    kMc,
    kVg,
    kVf,
    kDs,
};
enum class SummaryColumn : int { kItem, kValue, kNotes, kDescription, kReference };

class SummaryGrid : public NamedGrid<SummaryRow, SummaryColumn> {
  public:
    static constexpr ValueColumns kValueColumns{At(Column::kValue), At(Column::kNotes)};
    SummaryGrid();  // laid out
};

enum class ChecksRow : int {
    kHeadings,
    kMf = 1,  // the Mf ratio's group
    kRyZbFy,
    kMfRatio,
    kSrbs = 5,  // the doubler plates' group
    kCy,
    kRy,
    kWebThickness,  // t, the panel zone's required thickness
    kTcf1 = 10,     // the continuity plates' group
    kTcf2,
    kTcf,
    kFlangeSlenderness = 14,  // bf/2tf
    kFlangeLimit,
    kFlangeRatio,
    kWebSlenderness = 18,  // hc/tw
    kWebLimit,
    kWebRatio,
    kShear = 22,  // Vf
    kAllowableShear,
    kShearUnity,
    kBeamMomentGroup = 26,
    kBeamMoment,  // the allowable moment of the full section
    kBeamMomentNote,
    kRbsMomentGroup = 30,
    kRbsMoment,  // the allowable moment at the RBS
    kRbsMomentNote,
};
// kDescription also holds each check's status.
enum class ChecksColumn : int { kGroup, kQuantity, kValue, kDescription, kReference, kSpare };

class ChecksGrid : public NamedGrid<ChecksRow, ChecksColumn> {
  public:
    static constexpr ValueColumns kValueColumns{At(Column::kValue), At(Column::kDescription)};
    ChecksGrid();  // laid out
};

enum class ParametersRow : int {
    kHeadings,
    kBeamChecks,
    kBeamDepth,
    kBeamWeight,
    kSpanToDepth,
    kFlangeThickness,
    kFlangeMomentShare,
    kFlangeReduction,
    kColumnChecks,
    kColumnSize,
    kColumnWidth,
};
enum class ParametersColumn : int { kItem, kValue, kNotes };

class ParametersGrid : public NamedGrid<ParametersRow, ParametersColumn> {
  public:
    static constexpr ValueColumns kValueColumns{At(Column::kValue), At(Column::kNotes)};
    ParametersGrid();  // laid out
};

struct ResultGrids {
    SummaryGrid summary;
    ChecksGrid checks;
    ParametersGrid parameters;

    // The three, in this order.
    std::array<const ResultGrid*, 3> All() const { return {&summary, &checks, &parameters}; }
    std::array<ResultGrid*, 3> All() { return {&summary, &checks, &parameters}; }
};

// Empties the value cells of the three grids: the summary's values and notes,
// the checks' values and statuses (keeping the fixed descriptions), the
// parameters' values and notes. Colours stay.
void ClearResults(ResultGrids& grids);

// The grids as a freshly started window shows them: the layout's row counts,
// fixed texts and colours, every value and verdict cell empty.
void ResetGrids(ResultGrids& grids);

}  // namespace vantrel
