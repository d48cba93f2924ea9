#pragma once
// What the printed report reads: the input texts, and the design as the last
// calculation left it, presented once (the record, the result grids, the
// sketch's labels and the current-code section), and the name of the
// document. DocumentName (page_frame.h) makes the name from a path.

#include <string>

#include "model/design_inputs.h"
#include "present/design_state.h"

namespace vantrel {

struct ReportSource {
    const DesignInputs& inputs;
    const DesignState& state;
    std::string documentName;   // "New Untitled" or the file name without its folder
    std::string dateTime = {};  // the footers' date and time; empty: the local time when printed
    std::string version = {};   // the head blocks' version; empty: this program's
};

}  // namespace vantrel
