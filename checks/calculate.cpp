#include "checks.h"
#include "model/calculations.h"

namespace vantrel {

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

}  // namespace vantrel
