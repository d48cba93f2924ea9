#include "design_state.h"

#include "grid_presenters.h"

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

void Calculate(DesignState& state, const DesignInputs& inputs, ErrorSink& errors) {
    ErrorWitness witness(errors, state.grids);
    CalcContext ctx{state.record, inputs, state.results, witness};
    Calculate(ctx);
    state.results.errored = witness.reported;
    PresentGrids(state.record, state.results, state.grids);
    state.labels = PresentLabels(inputs, state.record, state.results);
}

}  // namespace vantrel
