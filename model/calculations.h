#pragma once
// The calculating steps of the chain, from the shape lookup to the drift
// factor (FEMA 350 3.2.4, 3.2.6, 3.5.5). Each procedure with an error trap
// reports through ctx.errors and leaves what it did not write at 1.

#include <string_view>

#include "calc_context.h"

namespace vantrel {

// Beam and Column from the selected designations, and the sketch's shape labels.
void LookupShapes(CalcContext& ctx);

// a, b, c and R of the cut (3.5.5.1 Steps 1, 2a; Figure 3-12).
void CalculateCutout(CalcContext& ctx);

// Rounds value to a multiple of increment: "NE" nearest (halves up), "DN"
// down, "UP" up; any other mode gives 0. A trapped error returns 0.
float doRound(CalcContext& ctx, float value, float increment, std::string_view mode);

// Zrbs and Srbs at the narrowest point of the cut (3.5.5.1 Step 2b).
void CalculateZrbs(CalcContext& ctx);

// Fy, Fu, Ry (Table 2-1) and Cpr (eq. 3-2) of the selected grade.
void CalculateSteelGrade(CalcContext& ctx);

void CalculateMpr(CalcContext& ctx);    // eq. 3-1
void CalculateVP(CalcContext& ctx);     // X, L, L', the loads, Vp (3.2.6)
void CalculateMf(CalcContext& ctx);     // 3.5.5.1 step 2c
void CalculateMc(CalcContext& ctx);     // 3.5.5.1 step 3
void CalculateVf(CalcContext& ctx);     // Vg, Vf (3.5.5.1 Step 4)
void CalculateDrift(CalcContext& ctx);  // ds

// The calculating steps of the chain: ClearValues, the lookup and the calculations.
void RunCalculations(CalcContext& ctx);

// Why the span between the hinges and the stored loads cannot be calculated,
// the first of: L' not greater than 0 (the hinges meet or pass each other), a
// negative load, a point-load location outside 0 to L; nullptr when they can.
// CalculateVP refuses them with "Invalid procedure call or argument".
const char* HingesAndLoadsFault(const DesignRecord& record);

// Stores the fifteen load texts as numbers, in project-file order; a text
// that is not a number raises its error with the earlier ones stored.
void ReadLoads(const DesignInputs& inputs, DesignRecord& record);

// The factored uniform load w = 1.2 (dead) + 0.5 (live), kip/ft.
double FactoredDistributedLoad(const DesignRecord& record);

}  // namespace vantrel
