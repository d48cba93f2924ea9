#pragma once
// One design's outputs together, for callers that own a whole design.

#include "checks/checks.h"
#include "result_grids.h"
#include "sketch_labels.h"

namespace vantrel {

struct DesignState {
    DesignRecord record;
    DesignResults results;
    ResultGrids grids;
    SketchLabels labels;
};

// The whole chain, then the presenters: the grids and the sketch's labels.
// Every error goes to errors as it is trapped.
void Calculate(DesignState& state, const DesignInputs& inputs, ErrorSink& errors);

}  // namespace vantrel
