#pragma once
// The arithmetic of the steps from the hinges to the shears at the column
// face (FEMA 350 3.2.6, 3.5.5.1 Steps 2c to 4), written once over a math
// policy (math_policy.h) for the chain and the search. Each formula keeps the
// chain's operand types and order of operations, so that both store the same
// floats. Out is the design record or the search's pair outcome; a formula
// stores into it in the order the chain stores, so that a step that fails
// half-way leaves the values before the failure stored.

#include <array>
#include <string>

#include "design_record.h"

namespace vantrel {

// The factored gravity load 1.2 D + 0.5 L.
inline constexpr double kDeadLoadFactor = 1.2;
inline constexpr double kLiveLoadFactor = 0.5;

struct PointLoad {
    double dead, live, location;  // kip, kip, ft from the left column's centre
};
using PointLoads = std::array<PointLoad, kLoadCount>;

inline PointLoads PointLoadsOf(const DesignRecord& r) {
    PointLoads points{};
    for (size_t i = 0; i < points.size(); ++i)
        points[i] = {r.PointDL[i], r.PointLL[i], r.PointLoadLocation[i]};
    return points;
}

// Σ arm(x_i)·1.2·PD_i + Σ arm(x_i)·0.5·PL_i, the terms in load order, with the
// arm written first.
template <typename Arm>
double MomentArmFirst(const PointLoads& loads, Arm arm) {
    double dead = 0.0;
    double live = 0.0;
    for (const PointLoad& p : loads) dead += arm(p.location) * kDeadLoadFactor * p.dead;
    for (const PointLoad& p : loads) live += arm(p.location) * kLiveLoadFactor * p.live;
    return dead + live;
}

// Σ 1.2·PD_i·arm(x_i) + Σ 0.5·PL_i·arm(x_i), the load written first.
template <typename Arm>
double MomentLoadFirst(const PointLoads& loads, Arm arm) {
    double dead = 0.0;
    double live = 0.0;
    for (const PointLoad& p : loads) dead += kDeadLoadFactor * p.dead * arm(p.location);
    for (const PointLoad& p : loads) live += kLiveLoadFactor * p.live * arm(p.location);
    return dead + live;
}

// The side of the larger share: the record keeps it as its text, the search
// does not keep it.
inline void SetSide(std::string& side, bool left) {
    side = left ? "(Occurs at the Left side)" : "(Occurs at the Right side)";
}
inline void SetSide(bool& side, bool left) {
    side = left;
}

// From the column face to the plastic hinge, a + b/2 (in).
inline double HingeOffset(float a, float b) {
    return double{a} + b / 2.0;
}

// X, stored as the hinge offset to two decimals (in).
template <class M>
float HingeDistance(M& m, double hingeOffset) {
    return m.FormatRound(hingeOffset, 2);
}

// L', the span between the hinges (ft).
template <class M>
float SpanBetweenHinges(M& m, float L, double hingeOffset, float columnDepth) {
    return m.FormatRound(L - (2.0 * hingeOffset + columnDepth) / 12.0, 2);
}

// Vp: the shear at the hinges from 2 Mpr, the uniform load w over L' and the
// larger moment of the point loads about either hinge. A point load's
// location is measured from the left column's centre line, so its distance
// from the left face is x_i - dc/24. Reads out.X, out.Lprime and out.Mpr;
// stores out.VpSide, then out.Vp.
template <class M, class Out>
void ShearAtHinges(M& m, double w, const PointLoads& points, float columnDepth, Out& out) {
    const double lprime = out.Lprime;
    const float mw = m.Single(w * lprime * lprime / 2.0);
    const double x = out.X;
    const double dc = columnDepth;
    const float ml = m.Single(MomentArmFirst(
        points, [&](double xi) { return x / 12.0 + lprime - (xi - dc / 24.0); }));
    const float mr = m.Single(
        MomentLoadFirst(points, [&](double xi) { return (xi - dc / 24.0) - x / 12.0; }));
    const bool left = ml >= mr;
    SetSide(out.VpSide, left);
    out.Vp = m.FormatRound(m.Divide(2.0 * out.Mpr + mw + (left ? ml : mr), lprime), 2);
}

// Mf, at the column face.
template <class M, class Out>
void MomentAtFace(M& m, Out& out) {
    out.Mf = m.FormatRound(out.Mpr + double{out.Vp} * out.X / 12.0, 1);
}

// Mc, at the column's centre line.
template <class M, class Out>
void MomentAtColumnCentre(M& m, float columnDepth, Out& out) {
    out.Mc = m.FormatRound(out.Mpr + double{out.Vp} * (columnDepth / 2.0 + out.X) / 12.0, 1);
}

// Vg, the gravity shear at the face, and Vf = 2 Mf / (L - dc) + Vg. Stores
// out.VgSide, out.Vg, then out.Vf.
template <class M, class Out>
void ShearsAtFace(M& m, float L, float columnDepth, double w, const PointLoads& points, Out& out) {
    const double length = L;
    const double dc = columnDepth;
    const double clearSpan = length - dc / 12.0;
    const float wg = m.Single(w * clearSpan / 2.0);
    const float gl = m.Single(m.Divide(
        MomentArmFirst(points, [&](double xi) { return length - dc / 24.0 - xi; }), clearSpan));
    const float gr = m.Single(
        m.Divide(MomentArmFirst(points, [&](double xi) { return xi - dc / 24.0; }), clearSpan));
    const bool left = gl >= gr;
    SetSide(out.VgSide, left);
    out.Vg = m.FormatRound(double{wg} + (left ? gl : gr), 2);
    out.Vf = m.FormatRound(m.Divide(2.0 * out.Mf, clearSpan) + out.Vg, 2);
}

}  // namespace vantrel
