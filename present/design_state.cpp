#include "design_state.h"

#include "grid_presenters.h"

namespace vantrel {

void PresentDesign(const DesignInputs& inputs, DesignState& state) {
    PresentGrids(state.record, state.results, state.grids);
    state.labels = PresentLabels(inputs, state.record, state.results);
    state.aisc358 = EvaluateSection(inputs, state.record, state.results.errored);
}

void CalculateAndPresent(DesignState& state, const DesignInputs& inputs, ErrorSink& errors) {
    CalcContext ctx{state.record, inputs, state.results, errors};
    Calculate(ctx);
    PresentDesign(inputs, state);
}

}  // namespace vantrel
