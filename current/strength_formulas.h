#pragma once
// The strengths and the span moment behind the current-code items, each in
// the order of the design basis's formulas so that every value is the same
// to the last bit on every platform: only + - x / and sqrt, powers as
// products or by PowerOf0658.

#include <optional>

#include "model/step_formulas.h"

namespace vantrel::current {

inline constexpr double kE = 29000.0;  // ksi

// 0.658^y for 0 <= y <= 2.25 (360 E3-2), within a few units in the last place.
double PowerOf0658(double y);

// 360 G2.1: φv·Vn of a rolled I-shape web.
double BeamShearStrength(double Fy, double d, double tw, double hOverTw);

// 341 D1.1, LRFD: the web limit of a member with axial force ratio Ca.
double ColumnWebLimit(bool smf, double lambdaS, double Ca);

// The column's own values for 360 E3, E7 and J10.
struct ColumnSection {
    double d, tf, tw, Ag, ry, hOverTw, kdes;
};

// 360 E3 with E7: φc·Pn about the minor axis with Lc = the storey height.
double ColumnAxialStrength(const ColumnSection& column, double Fy, double Lc);

// 360 J10.3: the nominal web crippling strength Rn under a beam flange of
// thickness lb, the end-of-member forms at a roof joint.
double WebCripplingStrength(const ColumnSection& column, double Fy, double lb, bool roof);

// The hinge-to-hinge free body of 358 5.8 Step 4 under the gravity loads.
struct HingeSpan {
    double Mpr;     // ft-kip
    double Lprime;  // ft, between the hinges
    double xl;      // ft, the left hinge from the left column's centre line
    double wu;      // k/ft
    const PointLoads& points;
};

// The largest moment between the hinges over both sway directions (ft-kip);
// nothing when no candidate point lies inside the span.
std::optional<double> LargestSpanMoment(const HingeSpan& span);

}  // namespace vantrel::current
