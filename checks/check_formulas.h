#pragma once
// The values, limits and verdicts of the code checks (FEMA 350 2.6, 3.2.7,
// 3.3, 3.5.5), written once over a math policy (model/math_policy.h) for the
// chain's check procedures and the search. Every limit lives here.

#include <cstdint>
#include <string_view>

#include "model/design_record.h"
#include "model/design_results.h"

namespace vantrel {

// Beam and column parameters (FEMA 350 3.5.5.1, prequalification limits).
inline bool PassesBeamDepth(const WShape& beam) {
    return beam.d < 36.0f;
}
inline bool PassesBeamWeight(const WShape& beam) {
    return beam.Weight <= 300.0f;
}
inline bool PassesFlangeThickness(const WShape& beam) {
    return beam.tf <= 1.75f;
}
inline int MinimumSpanRatio(bool smrf) {
    return smrf ? 7 : 5;
}
inline bool PassesSpanRatio(float ratio, int minimum) {
    return ratio > static_cast<float>(minimum);
}
inline bool PassesFlangeMomentShare(float share) {
    return share > 0.7f;
}
inline bool PassesFlangeReduction(float remaining) {
    return remaining >= 0.5f;
}
// Special frames take W12 and W14 columns only.
inline bool IsW12OrW14(std::string_view designation) {
    const std::string_view series = designation.substr(0, 4);
    return series == "W 12" || series == "W 14";
}
inline bool PassesColumnSize(bool smrf, bool w12OrW14) {
    return !smrf || w12OrW14;
}
inline bool PassesColumnWidth(const WShape& column, const WShape& beam) {
    return column.bf >= beam.bf;
}

// (L·12 - dc) / db.
template <class M>
float SpanToDepthRatio(M& m, float L, float columnDepth, float beamDepth) {
    return m.Single(m.Divide(double{L} * 12.0 - columnDepth, beamDepth));
}

// The flanges' share of the beam's plastic modulus, bf·tf·(d - tf) / Zx.
template <class M>
float FlangeMomentShare(M& m, const WShape& beam) {
    return m.FormatRound(m.Divide(double{beam.bf} * beam.tf * (double{beam.d} - beam.tf), beam.Zx),
                         2);
}

// The part of the flange width left at the narrowest point of the cut.
template <class M>
float RemainingFlangeWidth(M& m, const WShape& beam, float c) {
    return m.Single(m.Divide(beam.bf - 2.0 * c, beam.bf));
}

// 3.5.5.1 Step 2d: Mf below 0.99 Ry·Zb·Fy.
template <class M>
float ExpectedBeamMoment(M& m, float Zx, float Ry, int16_t Fy) {
    return m.FormatRound(m.Single(double{Zx} * Ry * Fy / 12.0), 2);
}
template <class M>
float MfRatio(M& m, float Mf, float RyZbFy) {
    return m.Single(m.Divide(Mf, RyZbFy));
}
inline bool PassesMfRatio(float ratio) {
    return ratio < 0.99f;
}

// 3.2.7 (3-4): Cy = 1 / (Cpr·Zrbs/Srbs).
template <class M>
float ColumnYieldFactor(M& m, float Zrbs, float Srbs, float Cpr) {
    return m.FormatRound(m.Divide(1.0, m.Divide(Zrbs, Srbs) * Cpr), 2);
}

// 3.3.3.2 (3-7): the panel zone's required thickness, in three parts so that
// the search works out the beam's once:
//   t = (h - db)/h · Mc·Cy·12 / (0.54·Fy·Ry · dc · (db - tf)).
template <class M>
double PanelZoneDepthRatio(M& m, float h, float beamDepth) {
    const double depth = beamDepth;
    return m.Divide(h - depth, h);
}
inline double PanelZoneStrength(int16_t Fy, float Ry) {
    return Fy * 0.54 * Ry;
}
template <class M>
float RequiredWebThickness(M& m, double depthRatio, float Mc, float Cy, double strength,
                           float columnDepth, double beamDepthLessFlange) {
    const double numerator = depthRatio * (double{Mc} * Cy * 12.0);
    const double denominator = strength * columnDepth * beamDepthLessFlange;
    return m.FormatRound(m.Divide(numerator, denominator), 3);
}
inline bool PassesDoublerPlates(float required, const WShape& column) {
    return required <= column.tw;
}

// 3.3.3.1 (3-5), (3-6). Continuity plates are required unless the column
// flange satisfies both equations, so the larger limit governs.
template <class M>
void ContinuityPlateLimits(M& m, const WShape& beam, CheckValues& v) {
    const double bf = beam.bf;
    v.tcf1 = m.FormatRound(0.4 * m.SquareRoot(1.8 * bf * beam.tf), 3);
    v.tcf2 = m.FormatRound(bf / 6.0, 3);
    v.tcf = v.tcf2 > v.tcf1 ? v.tcf2 : v.tcf1;
}
inline bool PassesContinuityPlates(float tcf, const WShape& column) {
    return !(column.tf < tcf);
}

// 3.3.1.1: flange width-to-thickness at the reduced section, with the width
// taken at the ends of the centre two-thirds of the cut (x = b/3 from its
// centre), against 52/√Fy.
template <class M>
RatioCheck FlangeSlenderness(M& m, const WShape& beam, float b, float c, float R, int16_t Fy) {
    const double radius = R;
    const double x = b / 3.0;
    const double width = beam.bf + 2.0 * (radius - c) - 2.0 * m.SquareRoot(radius * radius - x * x);
    RatioCheck check;
    check.measured = m.Single(m.Divide(width, 2.0 * beam.tf));
    check.limit = m.Single(m.Divide(52.0, m.SquareRoot(Fy)));
    check.ratio = m.Single(m.Divide(check.measured, check.limit));
    return check;
}

// 3.3.1.2: web slenderness hc/tw against 418/√Fy.
template <class M>
RatioCheck WebSlenderness(M& m, const WShape& beam, int16_t Fy) {
    RatioCheck check;
    check.measured = m.Single(m.Divide(beam.d - 2.0 * beam.tf, beam.tw));
    check.limit = m.Single(m.Divide(418.0, m.SquareRoot(Fy)));
    check.ratio = m.Single(m.Divide(check.measured, check.limit));
    return check;
}
inline bool PassesSlenderness(const RatioCheck& check) {
    return check.ratio < 1.0f;
}

// The beam's design shear strength 0.9·0.6·Fy·d·tw, and Vf against it.
template <class M>
float DesignShearStrength(M& m, const WShape& beam, int16_t Fy) {
    return m.Single(Fy * 0.54 * beam.d * beam.tw);
}
template <class M>
float ShearUnity(M& m, float Vf, float va) {
    return m.Single(m.Divide(Vf, va));
}
inline bool PassesBeamShear(float unity) {
    return unity < 1.0f;
}

// The design moment 0.9·Fy·Z of the full and the reduced section (ft-kip).
template <class M>
float DesignMoment(M& m, float Z, int16_t Fy) {
    return m.Single(double{Z} * 0.9 * Fy / 12.0);
}

}  // namespace vantrel
