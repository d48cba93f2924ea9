#pragma once
// What the printed report reads: the window's input texts, the design record,
// the result grids and the current-code items as the last calculation left
// them, and the name of the document. DocumentName (page_frame.h) makes the name from a path.

#include <string>

#include "model/design_inputs.h"
#include "present/aisc358_section.h"
#include "present/design_state.h"

namespace vantrel {

struct ReportSource {
    const DesignInputs& inputs;
    const DesignState& state;
    std::string documentName;     // "New Untitled" or the file name without its folder
    std::string dateTime = {};    // the footers' date and time; empty: the local time when printed
    Aisc358Section aisc358 = {};  // the current-code items of the last calculation
};

}  // namespace vantrel
