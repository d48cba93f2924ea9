#pragma once
// What the printed report reads: the window's input texts, the design record
// and the result grids as the last calculation left them, and the name of
// the document. DocumentName (page_frame.h) makes the name from a path.

#include <string>

#include "checks/design.h"
#include "model/design_inputs.h"

namespace vantrel {

struct ReportSource {
    const DesignInputs& inputs;
    const DesignState& state;
    std::string documentName;   // "New Untitled" or the file name without its folder
    std::string dateTime = {};  // the footers' date and time; empty: the local time when printed
};

}  // namespace vantrel
