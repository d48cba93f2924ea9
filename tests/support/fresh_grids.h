#pragma once
// Compares result grids with those of a window that has just started.

#include <string>

#include "model/result_grids.h"

namespace vantrel::test {

// The first cell (grid, row, column) whose text, colour, alignment or bold
// differs from a fresh window's grids, or the empty text.
inline std::string FirstDifferenceFromFreshGrids(const ResultGrids& grids) {
    const ResultGrids fresh;
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

}  // namespace vantrel::test
