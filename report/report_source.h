#pragma once
// What the printed report reads: the window's input texts, the design record
// and the result grids as the last calculation left them, and the name of
// the document.

#include <string>

#include "checks/design.h"
#include "model/design_inputs.h"

namespace vantrel {

struct ReportSource {
    const DesignInputs& inputs;
    const DesignState& state;
    std::string documentName;  // "New Untitled" or the file name without its folder
};

}  // namespace vantrel
