#include "strength_formulas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace vantrel::current {

double PowerOf0658(double y) {
    // e^(y ln 0.658) as 1 / e^x with x = -y ln 0.658 (0 <= x <= 0.95): the
    // series of e^x has no cancellation and its 24th term is below 1e-23.
    constexpr double kLn0658 = -0.41855034765681985071;
    const double x = -y * kLn0658;
    double series = 1.0;
    for (int n = 24; n >= 1; --n) series = 1.0 + x / n * series;
    return 1.0 / series;
}

double BeamShearStrength(double Fy, double d, double tw, double hOverTw) {
    const double Aw = d * tw;
    double phiV = 1.0;
    double Cv1 = 1.0;
    if (!(hOverTw <= 2.24 * std::sqrt(kE / Fy))) {
        phiV = 0.9;
        const double kv = 5.34;
        const double limit = 1.10 * std::sqrt(kv * kE / Fy);
        Cv1 = hOverTw <= limit ? 1.0 : limit / hOverTw;
    }
    return phiV * 0.6 * Fy * Aw * Cv1;
}

double ColumnWebLimit(bool smf, double lambdaS, double Ca) {
    if (smf) {
        return Ca <= 0.114 ? 2.57 * lambdaS * (1 - 1.04 * Ca)
                           : std::max(0.88 * lambdaS * (2.68 - Ca), 1.57 * lambdaS);
    }
    return Ca <= 0.114 ? 3.96 * lambdaS * (1 - 3.04 * Ca)
                       : std::max(1.29 * lambdaS * (2.12 - Ca), 1.57 * lambdaS);
}

double ColumnAxialStrength(const ColumnSection& column, double Fy, double Lc) {
    constexpr double kPi = 3.141592653589793;
    const double slenderness = Lc / column.ry;
    const double Fe = kPi * kPi * kE / (slenderness * slenderness);
    // E3-2 up to Lc/r = 4.71 sqrt(E/Fy), E3-3 beyond.
    const double Fcr = Fy / Fe <= 2.25 ? PowerOf0658(Fy / Fe) * Fy : 0.877 * Fe;
    // E7: a web slender for this stress counts with its effective height.
    const double lambdaR = 1.49 * std::sqrt(kE / Fy);
    double Ae = column.Ag;
    if (column.hOverTw > lambdaR * std::sqrt(Fy / Fcr)) {
        const double h = column.hOverTw * column.tw;
        const double c2 = 1.31 * lambdaR / column.hOverTw;
        const double Fel = c2 * c2 * Fy;
        const double root = std::sqrt(Fel / Fcr);
        const double he = h * (1 - 0.18 * root) * root;
        Ae = column.Ag - (h - he) * column.tw;
    }
    return 0.90 * Fcr * Ae;
}

double WebCripplingStrength(const ColumnSection& column, double Fy, double lb, bool roof) {
    const double bearing = lb / column.d;
    const double q = column.tw / column.tf;
    const double power = q * std::sqrt(q);  // (tw/tf)^1.5
    const double root = std::sqrt(kE * Fy * column.tf / column.tw);
    const double tw2 = column.tw * column.tw;
    if (!roof) return 0.80 * tw2 * (1 + 3 * bearing * power) * root;
    if (bearing <= 0.2) return 0.40 * tw2 * (1 + 3 * bearing * power) * root;
    return 0.40 * tw2 * (1 + (4 * bearing - 0.2) * power) * root;
}

namespace {

struct ActingLoad {
    double u;  // ft from the hogging hinge
    double P;  // kip
};
using ActingLoads = std::array<ActingLoad, kLoadCount>;

// The point loads strictly between the hinges, in load order.
int LoadsBetweenHinges(const HingeSpan& span, bool fromLeft, ActingLoads& acting) {
    const double xr = span.xl + span.Lprime;
    int count = 0;
    for (const PointLoad& p : span.points) {
        const double P = kDeadLoadFactor * p.dead + kLiveLoadFactor * p.live;
        if (P != 0 && span.xl < p.location && p.location < xr)
            acting[static_cast<size_t>(count++)] = {
                fromLeft ? p.location - span.xl : xr - p.location, P};
    }
    return count;
}

}  // namespace

std::optional<double> LargestSpanMoment(const HingeSpan& span) {
    std::optional<double> largest;
    const auto consider = [&](double m) {
        if (!largest || m > *largest) largest = m;
    };
    const double L = span.Lprime, w = span.wu, Mpr = span.Mpr;
    for (const bool fromLeft : {true, false}) {
        ActingLoads acting{};
        const int n = LoadsBetweenHinges(span, fromLeft, acting);
        const auto loads = std::span(acting).first(static_cast<size_t>(n));
        double carried = 0;
        for (const ActingLoad& load : loads) carried += load.P * (L - load.u);
        // The shear just beside the hogging hinge, and the moment from there.
        const double V0 = (2 * Mpr + w * L * L / 2 + carried) / L;
        const auto moment = [&](double u) {
            double passed = 0;
            for (const ActingLoad& load : loads)
                if (load.u < u) passed += load.P * (u - load.u);
            return -Mpr + V0 * u - w * u * u / 2 - passed;
        };
        for (const ActingLoad& load : loads) consider(moment(load.u));
        if (!(w > 0)) continue;
        // Where the shear crosses zero between two breakpoints.
        std::sort(loads.begin(), loads.end(),
                  [](const ActingLoad& x, const ActingLoad& y) { return x.u < y.u; });
        double start = 0, behind = 0;
        for (size_t i = 0; i <= loads.size(); ++i) {
            const double end = i < loads.size() ? loads[i].u : L;
            const double peak = (V0 - behind) / w;
            if (start < peak && peak < end) consider(moment(peak));
            if (i < loads.size()) {
                behind += loads[i].P;
                start = loads[i].u;
            }
        }
    }
    return largest;
}

}  // namespace vantrel::current
