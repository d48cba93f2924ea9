#pragma once
// The code checks of the chain (FEMA 350 2.6, 3.3, 3.5.5) and the driver that
// runs the whole chain. Each check stores its values and verdict in
// ctx.results; the formulas and limits are in check_formulas.h.

#include "model/calc_context.h"

namespace vantrel {

// Prequalification limits of beam and column; stores L.
void CheckBeamParameters(CalcContext& ctx);

// Connection checks: Mf at the column face, doubler plates, continuity plates.
void CheckMf(CalcContext& ctx);
void CheckPanelZone(CalcContext& ctx);
void CheckContPlates(CalcContext& ctx);

// Beam stability and capacity.
void CheckBeamFlangeStability(CalcContext& ctx);
void CheckBeamWebStability(CalcContext& ctx);
void CheckBeamShearCapacity(CalcContext& ctx);
void CheckBeamMomentCapacity(CalcContext& ctx);
void CheckRBSMomentCapacity(CalcContext& ctx);

// The whole chain: the calculations, then the checks in their fixed order.
// Values only; results starts afresh and records whether a step reported an
// error. Every error goes to ctx.errors as it is trapped.
void Calculate(CalcContext& ctx);

}  // namespace vantrel
