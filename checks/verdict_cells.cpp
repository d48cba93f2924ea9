#include "verdict_cells.h"

namespace vantrel {

const std::vector<VerdictCell>& VerdictCells() {
    static const std::vector<VerdictCell> cells = {
        {VerdictGrid::Parameters, 2, 1, 2, "Beam depth"},
        {VerdictGrid::Parameters, 3, 1, 2, "Beam weight"},
        {VerdictGrid::Parameters, 4, 1, 2, "Span to depth ratio"},
        {VerdictGrid::Parameters, 5, 1, 2, "Beam flange thickness"},
        {VerdictGrid::Parameters, 6, 1, 2, "Flange moment share"},
        {VerdictGrid::Parameters, 7, 1, 2, "Flange reduction"},
        {VerdictGrid::Parameters, 9, 1, 2, "Column size"},
        {VerdictGrid::Parameters, 10, 1, 2, "Column width"},
        {VerdictGrid::Checks, 3, 2, 3, "Mf ratio"},
        {VerdictGrid::Checks, 8, 2, 3, "Doubler plates"},
        {VerdictGrid::Checks, 12, 2, 3, "Continuity plates"},
        {VerdictGrid::Checks, 16, 2, 3, "Beam flange slenderness"},
        {VerdictGrid::Checks, 20, 2, 3, "Beam web slenderness"},
        {VerdictGrid::Checks, 24, 2, 3, "Beam shear"},
    };
    return cells;
}

std::vector<VerdictResult> ReadVerdicts(const ResultGrids& grids) {
    std::vector<VerdictResult> results;
    for (const VerdictCell& cell : VerdictCells()) {
        const ResultGrid& grid =
            cell.grid == VerdictGrid::Checks ? grids.checks : grids.parameters;
        const GridCell& value = grid.Cell(cell.row, cell.valueColumn);
        const std::string& note = grid.Text(cell.row, cell.noteColumn);
        VerdictState state = VerdictState::Missing;
        if (!value.text.empty() && !note.empty()) {
            if (value.color == kPassGreen) state = VerdictState::Pass;
            if (value.color == kFailRed) state = VerdictState::Fail;
        }
        results.push_back({&cell, state, note});
    }
    return results;
}

}  // namespace vantrel
