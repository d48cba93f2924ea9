#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "aisc358_section.h"
#include "design_state.h"

namespace vantrel {

// The record, the three grids (every cell, colours as "#RRGGBB"), the sketch
// labels and the reported errors of one calculation.
nlohmann::ordered_json DesignJson(const DesignState& state, const std::vector<ChainError>& errors);

// calc --json: the document of DesignJson with "aisc358", the current-code
// section's object (null without a result), last.
std::string CalcJson(const DesignState& state, const Aisc358Section& section,
                     const std::vector<ChainError>& errors);

}  // namespace vantrel
