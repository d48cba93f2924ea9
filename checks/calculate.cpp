#include "design.h"
#include "grid_presenters.h"
#include "model/calculations.h"

namespace vantrel {
namespace {

// Passes every error on and remembers that the run had one; the grids lose
// their values as soon as an error is shown.
class ErrorWitness final : public ErrorSink {
  public:
    ErrorWitness(ErrorSink& next, ResultGrids& grids) : next_(next), grids_(grids) {}
    void ReportError(const ChainError& error) override {
        reported = true;
        next_.ReportError(error);
        ClearResults(grids_);
    }
    bool reported = false;

  private:
    ErrorSink& next_;
    ResultGrids& grids_;
};

}  // namespace

void Calculate(CalcContext& ctx) {
    ctx.results = DesignResults{};
    ctx.results.smrf = ctx.inputs.IsSMRF();
    RunCalculations(ctx);
    CheckBeamParameters(ctx);
    CheckMf(ctx);
    CheckPanelZone(ctx);
    CheckContPlates(ctx);
    CheckBeamFlangeStability(ctx);
    CheckBeamWebStability(ctx);
    CheckBeamShearCapacity(ctx);
    CheckBeamMomentCapacity(ctx);
    CheckRBSMomentCapacity(ctx);
}

void Calculate(DesignState& state, const DesignInputs& inputs, ErrorSink& errors) {
    ErrorWitness witness(errors, state.grids);
    CalcContext ctx{state.record, inputs, state.results, witness};
    Calculate(ctx);
    state.results.errored = witness.reported;
    PresentGrids(state.record, state.results, state.grids);
    PresentLabels(inputs, state.record, state.results, state.labels);
}

}  // namespace vantrel
