#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "present/design_state.h"

namespace vantrel::cli {

// The record, the three grids (every cell, colours as "#RRGGBB"), the sketch
// labels and the reported errors of one calculation.
nlohmann::ordered_json DesignJson(const DesignState& state, const std::vector<ChainError>& errors);

}  // namespace vantrel::cli
