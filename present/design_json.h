#pragma once

#include <string>
#include <vector>

#include "design_state.h"
#include "json_text.h"

namespace vantrel {

// The record, the three grids (every cell, colours as "#RRGGBB"), the sketch
// labels, the reported errors, whether the document is modified and
// "aisc358", the current-code section (null without a result), of one
// calculation.
Json DesignJson(const DesignState& state, const std::vector<ChainError>& errors, bool modified);

// The three grids for a page that draws them: each cell [text, "#RRGGBB",
// bold], row by row, on one line.
std::string GridCellsJson(const ResultGrids& grids);

// calc --json: DesignJson's document, indented, ending in a line feed.
std::string CalcJson(const DesignState& state, const std::vector<ChainError>& errors,
                     bool modified);

}  // namespace vantrel
