#pragma once

#include <string_view>

#include "model/result_grids.h"

namespace vantrel {

// Paints a check's value cell green and writes "OK" beside it, or paints it
// red and writes the failure text.
inline void WriteVerdict(ResultGrid& grid, int row, int valueColumn, int noteColumn, bool passes,
                         std::string_view failureText) {
    grid.Paint(row, valueColumn, row, valueColumn, passes ? kPassGreen : kFailRed);
    grid.SetText(row, noteColumn, passes ? std::string_view("OK") : failureText);
}

}  // namespace vantrel
