#include "checks.h"
#include "model/calculations.h"

namespace vantrel {

void Calculate(CalcContext& ctx) {
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
    UpdateDiagramLabels(ctx);
}

}  // namespace vantrel
