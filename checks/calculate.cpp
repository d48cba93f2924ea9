#include "checks.h"
#include "model/calculations.h"

namespace vantrel {
namespace {

// Passes every error on and remembers that the run had one.
class ErrorWitness final : public ErrorSink {
  public:
    explicit ErrorWitness(ErrorSink& next) : next_(next) {}
    void ReportError(const ChainError& error) override {
        reported = true;
        next_.ReportError(error);
    }
    bool reported = false;

  private:
    ErrorSink& next_;
};

}  // namespace

void Calculate(CalcContext& ctx) {
    ErrorWitness witness(ctx.errors);
    CalcContext run{ctx.record, ctx.inputs, ctx.results, witness};
    run.results = DesignResults{};
    run.results.smrf = run.inputs.IsSMRF();
    RunCalculations(run);
    CheckBeamParameters(run);
    CheckMf(run);
    CheckPanelZone(run);
    CheckContPlates(run);
    CheckBeamFlangeStability(run);
    CheckBeamWebStability(run);
    CheckBeamShearCapacity(run);
    CheckBeamMomentCapacity(run);
    CheckRBSMomentCapacity(run);
    run.results.errored = witness.reported;
}

}  // namespace vantrel
