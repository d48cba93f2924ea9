#pragma once
// The code checks of the chain (FEMA 350 2.6, 3.3, 3.5.5), the sketch labels
// and the driver that runs the whole chain.

#include "model/calc_context.h"

namespace vantrel {

// Prequalification limits of beam and column (parameter-checks grid); stores L.
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

// Copies a, b, c, R and the length onto the sketch's labels.
void UpdateDiagramLabels(CalcContext& ctx);

// The whole chain: the calculations, then the checks in their fixed order.
void Calculate(CalcContext& ctx);

}  // namespace vantrel
