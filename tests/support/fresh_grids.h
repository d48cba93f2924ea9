#pragma once
// Compares result grids with those of a window that has just started, and
// looks for texts of values that are not finite.

#include <string>

#include "present/result_grids.h"

namespace vantrel::test {

// The first cell (grid, row, column) whose text, colour, alignment or bold
// differs between the grids, or the empty text.
inline std::string FirstDifference(const ResultGrids& grids, const ResultGrids& fresh) {
    const struct {
        const char* name;
        const ResultGrid& grid;
        const ResultGrid& expected;
    } pairs[] = {{"summary", grids.summary, fresh.summary},
                 {"checks", grids.checks, fresh.checks},
                 {"parameters", grids.parameters, fresh.parameters}};
    for (const auto& [name, grid, expected] : pairs) {
        if (grid.RowCount() != expected.RowCount()) return std::string(name) + " row count";
        for (int r = 0; r < grid.RowCount(); ++r)
            for (int c = 0; c < grid.ColumnCount(); ++c) {
                const GridCell& a = grid.Cell(r, c);
                const GridCell& b = expected.Cell(r, c);
                if (a.text != b.text || a.color != b.color || a.align != b.align ||
                    a.bold != b.bold)
                    return std::string(name) + " " + std::to_string(r) + "," + std::to_string(c) +
                           " '" + a.text + "'";
            }
    }
    return {};
}
inline std::string FirstDifferenceFromFreshGrids(const ResultGrids& grids) {
    return FirstDifference(grids, ResultGrids());
}

// Whether a value cell of the grids shows a value that is not finite.
inline bool HasNonFiniteText(const ResultGrids& grids) {
    for (const ResultGrid* grid : grids.All())
        for (int r = 1; r < grid->RowCount(); ++r)
            for (int c = 1; c < grid->ColumnCount(); ++c)
                for (const char* bad : {"nan", "inf", "NaN", "INF", "Inf"})
                    if (grid->Text(r, c).find(bad) != std::string::npos) return true;
    return false;
}

}  // namespace vantrel::test
