#pragma once
// The values, limits and verdicts of the code checks (FEMA 350 2.6, 3.2.7,
// 3.3, 3.5.5), written once over a math policy (model/math_policy.h) for the
// chain's check procedures and the search. Every limit lives in
// check_formulas.cpp, which instantiates the formulas for both policies.

#include <cstdint>
#include <string_view>

#include "model/design_record.h"
#include "model/design_results.h"

namespace vantrel {

// Beam and column parameters (FEMA 350 3.5.5.1, prequalification limits).
bool PassesBeamDepth(const WShape& beam);
bool PassesBeamWeight(const WShape& beam);
bool PassesFlangeThickness(const WShape& beam);
int MinimumSpanRatio(bool smrf);
bool PassesSpanRatio(float ratio, int minimum);
bool PassesFlangeMomentShare(float share);
bool PassesFlangeReduction(float remaining);
// Special frames take W12 and W14 columns only.
bool IsW12OrW14(std::string_view designation);
bool PassesColumnSize(bool smrf, bool w12OrW14);
bool PassesColumnWidth(const WShape& column, const WShape& beam);

// (L·12 - dc) / db.
template <class M>
float SpanToDepthRatio(M& m, float L, float columnDepth, float beamDepth);

// The flanges' share of the beam's plastic modulus, bf·tf·(d - tf) / Zx.
template <class M>
float FlangeMomentShare(M& m, const WShape& beam);

// The part of the flange width left at the narrowest point of the cut.
template <class M>
float RemainingFlangeWidth(M& m, const WShape& beam, float c);

// 3.5.5.1 Step 2d: Mf below 0.99 Ry·Zb·Fy.
template <class M>
float ExpectedBeamMoment(M& m, float Zx, float Ry, int16_t Fy);
template <class M>
float MfRatio(M& m, float Mf, float RyZbFy);
bool PassesMfRatio(float ratio);

// 3.2.7 (3-4): Cy = 1 / (Cpr·Zrbs/Srbs).
template <class M>
float ColumnYieldFactor(M& m, float Zrbs, float Srbs, float Cpr);

// 3.3.3.2 (3-7): the panel zone's required thickness, in three parts so that
// the search works out the beam's once:
//   t = (h - db)/h · Mc·Cy·12 / (0.54·Fy·Ry · dc · (db - tf)).
template <class M>
double PanelZoneDepthRatio(M& m, float h, float beamDepth);
double PanelZoneStrength(int16_t Fy, float Ry);
template <class M>
float RequiredWebThickness(M& m, double depthRatio, float Mc, float Cy, double strength,
                           float columnDepth, double beamDepthLessFlange);
bool PassesDoublerPlates(float required, const WShape& column);

// 3.3.3.1 (3-5), (3-6). Continuity plates are required unless the column
// flange satisfies both equations, so the larger limit governs.
template <class M>
void ContinuityPlateLimits(M& m, const WShape& beam, CheckValues& v);
bool PassesContinuityPlates(float tcf, const WShape& column);

// 3.3.1.1: flange width-to-thickness at the reduced section, with the width
// taken at the ends of the centre two-thirds of the cut (x = b/3 from its
// centre), against 52/√Fy.
template <class M>
RatioCheck FlangeSlenderness(M& m, const WShape& beam, float b, float c, float R, int16_t Fy);

// 3.3.1.2: web slenderness hc/tw against 418/√Fy.
template <class M>
RatioCheck WebSlenderness(M& m, const WShape& beam, int16_t Fy);
bool PassesSlenderness(const RatioCheck& check);

// The beam's design shear strength 0.9·0.6·Fy·d·tw, and Vf against it.
template <class M>
float DesignShearStrength(M& m, const WShape& beam, int16_t Fy);
template <class M>
float ShearUnity(M& m, float Vf, float va);
bool PassesBeamShear(float unity);

// The design moment 0.9·Fy·Z of the full and the reduced section (ft-kip).
template <class M>
float DesignMoment(M& m, float Z, int16_t Fy);

}  // namespace vantrel
