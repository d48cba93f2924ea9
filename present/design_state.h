#pragma once
// One design calculated and presented: the values the chain stored and what
// every front end shows of them, presented once.

#include "aisc358_section.h"
#include "checks/checks.h"
#include "result_grids.h"
#include "sketch_labels.h"

namespace vantrel {

struct DesignState {
    DesignRecord record;
    DesignResults results;
    ResultGrids grids;
    SketchLabels labels;
    Aisc358Section aisc358;  // the current-code section
};

// The grids, the sketch's labels and the current-code section of the values
// the chain left in state.
void PresentDesign(const DesignInputs& inputs, DesignState& state);

// The whole chain, then PresentDesign. Every error goes to errors as it is
// trapped.
void CalculateAndPresent(DesignState& state, const DesignInputs& inputs, ErrorSink& errors);

}  // namespace vantrel
