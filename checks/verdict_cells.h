#pragma once
// The cells of the result grids that carry a pass/fail verdict, and how a
// calculation left them.

#include <string>
#include <vector>

#include "model/result_grids.h"

namespace vantrel {

enum class VerdictGrid { Checks, Parameters };

struct VerdictCell {
    VerdictGrid grid;
    int row;
    int valueColumn;
    int noteColumn;
    const char* name;  // for messages: "Span to depth ratio", "Doubler plates", ...
};

// The fourteen verdict cells: eight parameter rows, then the six checks.
const std::vector<VerdictCell>& VerdictCells();

enum class VerdictState { Pass, Fail, Missing };

struct VerdictResult {
    const VerdictCell* cell;
    VerdictState state;
    std::string note;  // "OK" or the failure text
};

// Reads each verdict cell: green with "OK" passes, red fails, anything else
// (a check that did not run) is missing.
std::vector<VerdictResult> ReadVerdicts(const ResultGrids& grids);

}  // namespace vantrel
