#pragma once
// Where each verdict is shown in the result grids, its name and its note, and
// the verdicts of a calculation as the command line reports them.

#include <string>
#include <vector>

#include "model/design_results.h"

namespace vantrel {

enum class VerdictGrid { Checks, Parameters };

struct VerdictCell {
    Verdict verdict;
    VerdictGrid grid;
    int row;              // a ChecksGrid::Row or ParametersGrid::Row; its value cell is
                          // painted green or red, its note cell says "OK" or the failure
    const char* name;     // for messages: "Span to depth ratio", "Doubler plates", ...
    const char* failure;  // the note of a failed check
};

// The fourteen verdict cells, in Verdict order.
const std::vector<VerdictCell>& VerdictCells();
const VerdictCell& VerdictCellOf(Verdict verdict);

// "OK", the failure text, or empty for a check that did not finish. The
// doubler plates add that OMRF do not require them.
std::string VerdictNote(const DesignResults& results, Verdict verdict);

struct VerdictResult {
    const VerdictCell* cell;
    VerdictState state;
    std::string note;
};

// Every verdict of a calculation; all Missing after an errored run.
std::vector<VerdictResult> ReadVerdicts(const DesignResults& results);

}  // namespace vantrel
