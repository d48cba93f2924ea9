#include "calc_output.h"

#include <ostream>

#include "calc_text.h"
#include "design_json.h"
#include "design_state.h"
#include "verdict_cells.h"

namespace vantrel {

int CalculateAndPrint(const DesignInputs& inputs, bool json, Streams s) {
    // calc's document: like the window's, modified by the calculation.
    const bool modified = true;
    DesignState state;
    CollectingErrorSink errors;
    CalculateAndPresent(state, inputs, errors);

    if (json) {
        s.out << CalcJson(state, errors.errors, modified);
    } else {
        s.out << CalcText(state, errors.errors, s.colour);
    }
    return CalculationStatus(state);
}

int CalculationStatus(const DesignState& state) {
    if (state.results.errored) return kExitCalculationError;
    // Missing because of the inputs (a column axial load that is not a
    // number or is negative), as batch and search count it.
    if (!state.aisc358.result) return kExitCalculationError;
    for (const VerdictResult& v : ReadVerdicts(state.results))
        if (v.state != VerdictState::Pass) return kExitCheckFails;
    if (!state.aisc358.result->pass) return kExitCheckFails;
    return kExitPass;
}

}  // namespace vantrel
