#pragma once
// calc once it has its inputs: the calculation, its text tables or its JSON,
// and the exit status.

#include "command_output.h"
#include "design_state.h"

namespace vantrel {

// Prints the text tables, or the JSON with json, to streams.out. Returns 0
// when every FEMA 350 verdict passes and the design meets the current code,
// 1 when a check of either code fails, 3 after a calculation error or when
// the inputs leave no current-code section.
int CalculateAndPrint(const DesignInputs& inputs, bool json, Streams streams);

// calc's exit status of a design already calculated and presented.
int CalculationStatus(const DesignState& state);

}  // namespace vantrel
