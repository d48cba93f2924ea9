#pragma once
// calc's text: the three result grids as aligned tables, the current-code
// items by group with their verdict and assumptions, the errors and a
// one-line summary. Verdict cells are coloured with ANSI escapes for a
// terminal (colour), else marked "[PASS]" or "[FAIL]".

#include <string>
#include <vector>

#include "design_state.h"

namespace vantrel {

std::string CalcText(const DesignState& state, const std::vector<ChainError>& errors, bool colour);

}  // namespace vantrel
