#pragma once
// One design's outputs together, for callers that own a whole design.

#include "checks.h"

namespace vantrel {

struct DesignState {
    DesignRecord record;
    ResultGrids grids;
    SketchLabels labels;
};

inline void Calculate(DesignState& state, const DesignInputs& inputs, ErrorSink& errors) {
    CalcContext ctx{state.record, inputs, state.grids, state.labels, errors};
    Calculate(ctx);
}

}  // namespace vantrel
