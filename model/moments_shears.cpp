#include <array>
#include <string>

#include "calculations.h"
#include "number_text.h"

namespace vantrel {
namespace {

constexpr std::string_view kModule = "Tab1";
constexpr const char* kLeftSide = "(Occurs at the Left side)";
constexpr const char* kRightSide = "(Occurs at the Right side)";
constexpr double kDeadFactor = 1.2;
constexpr double kLiveFactor = 0.5;

struct PointLoad {
    double dead;
    double live;
    double location;
};

std::array<PointLoad, 3> PointLoads(const DesignRecord& r) {
    std::array<PointLoad, 3> points{};
    for (size_t i = 0; i < points.size(); ++i)
        points[i] = {r.PointDL[i], r.PointLL[i], r.PointLoadLocation[i]};
    return points;
}

// Σ arm(x_i)·1.2·PD_i + Σ arm(x_i)·0.5·PL_i, the terms in load order, with the
// arm written first as (reference − x_i).
template <typename Arm>
double MomentArmFirst(const std::array<PointLoad, 3>& loads, Arm arm) {
    double dead = 0.0;
    double live = 0.0;
    for (const PointLoad& p : loads) dead += arm(p.location) * kDeadFactor * p.dead;
    for (const PointLoad& p : loads) live += arm(p.location) * kLiveFactor * p.live;
    return dead + live;
}

// Σ 1.2·PD_i·arm(x_i) + Σ 0.5·PL_i·arm(x_i), the load written first.
template <typename Arm>
double MomentLoadFirst(const std::array<PointLoad, 3>& loads, Arm arm) {
    double dead = 0.0;
    double live = 0.0;
    for (const PointLoad& p : loads) dead += kDeadFactor * p.dead * arm(p.location);
    for (const PointLoad& p : loads) live += kLiveFactor * p.live * arm(p.location);
    return dead + live;
}

}  // namespace

bool HingesAndLoadsUsable(const DesignRecord& r) {
    if (!(r.Lprime > 0.0f)) return false;
    for (const LoadValues* loads : {&r.DistDL, &r.DistLL, &r.PointDL, &r.PointLL})
        for (float load : *loads)
            if (load < 0.0f) return false;
    for (float location : r.PointLoadLocation)
        if (location < 0.0f || location > r.L) return false;
    return true;
}

void ReadLoads(const DesignInputs& in, DesignRecord& r) {
    const std::pair<const LoadTexts&, LoadValues&> kinds[] = {
        {in.DistDL, r.DistDL},
        {in.DistLL, r.DistLL},
        {in.PointDL, r.PointDL},
        {in.PointLL, r.PointLL},
        {in.PointLoadLocation, r.PointLoadLocation}};
    for (const auto& [texts, values] : kinds)
        for (int i = 0; i < kLoadCount; ++i) values[i] = SingleFromText(texts[i]);
}

double FactoredDistributedLoad(const DesignRecord& r) {
    return kDeadFactor * (double{r.DistDL[0]} + r.DistDL[1] + r.DistDL[2]) +
           kLiveFactor * (double{r.DistLL[0]} + r.DistLL[1] + r.DistLL[2]);
}

void CalculateMpr(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CalculateMpr", [&] {
        DesignRecord& r = ctx.record;
        r.Mpr = FormatRound(double{r.Ry} * r.Cpr * r.Zrbs * r.Fy / 12.0, "0.0");
        ctx.grids.summary.SetText(8, 1, ValueText(r.Mpr), "   ft-kip");
    });
}

void CalculateVP(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CalculateVP", [&] {
        DesignRecord& r = ctx.record;
        const DesignInputs& in = ctx.inputs;
        ResultGrid& grid = ctx.grids.summary;
        const double hingeOffset = double{r.a} + r.b / 2.0;
        r.X = FormatRound(hingeOffset, "0.00");
        grid.SetText(9, 1, Format(r.X, "0.00"), "   in");
        r.L = SingleFromText(in.Length);
        r.Lprime = FormatRound(r.L - (2.0 * hingeOffset + r.Column.d) / 12.0, "0.00");
        grid.SetText(10, 1, ValueText(r.Lprime), "   ft");

        ReadLoads(in, r);
        if (!HingesAndLoadsUsable(r)) RaiseFault(kErrInvalidArgument);

        const double w = FactoredDistributedLoad(r);
        const double lprime = r.Lprime;
        const float mw = Single(w * lprime * lprime / 2.0);
        const double x = r.X;
        const auto points = PointLoads(r);
        const float ml =
            Single(MomentArmFirst(points, [&](double xi) { return x / 12.0 + lprime - xi; }));
        const float mr = Single(MomentLoadFirst(points, [&](double xi) { return xi - x / 12.0; }));
        float m = 0.0f;
        if (ml >= mr) {
            m = ml;
            r.VpSide = kLeftSide;
        } else {
            m = mr;
            r.VpSide = kRightSide;
        }
        r.Vp = FormatRound(Divide(2.0 * r.Mpr + mw + m, lprime), "0.00");
        grid.SetText(11, 1, ValueText(r.Vp), "   kip");
    });
}

void CalculateMf(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CalculateMf", [&] {
        DesignRecord& r = ctx.record;
        r.Mf = FormatRound(r.Mpr + double{r.Vp} * r.X / 12.0, "0.0");
        ctx.grids.summary.SetText(12, 1, ValueText(r.Mf), "   ft-kip");
    });
}

void CalculateMc(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CalculateMc", [&] {
        DesignRecord& r = ctx.record;
        r.Mc = FormatRound(r.Mpr + double{r.Vp} * (r.Column.d / 2.0 + r.X) / 12.0, "0.0");
        ctx.grids.summary.SetText(13, 1, ValueText(r.Mc), "   ft-kip");
    });
}

void CalculateVf(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CalculateVf", [&] {
        DesignRecord& r = ctx.record;
        const double length = r.L;
        const double dc = r.Column.d;
        const double clearSpan = length - dc / 12.0;
        const double w = FactoredDistributedLoad(r);
        const float wg = Single(w * clearSpan / 2.0);
        const auto points = PointLoads(r);
        const float gl = Single(Divide(
            MomentArmFirst(points, [&](double xi) { return length - dc / 24.0 - xi; }), clearSpan));
        const float gr = Single(
            Divide(MomentArmFirst(points, [&](double xi) { return xi - dc / 24.0; }), clearSpan));
        float g = 0.0f;
        if (gl >= gr) {
            g = gl;
            r.VgSide = kLeftSide;
        } else {
            g = gr;
            r.VgSide = kRightSide;
        }
        r.Vg = FormatRound(double{wg} + g, "0.00");
        r.Vf = FormatRound(Divide(2.0 * r.Mf, clearSpan) + r.Vg, "0.00");
        ctx.grids.summary.SetText(14, 1, ValueText(r.Vg), "   kip");
        ctx.grids.summary.SetText(15, 1, ValueText(r.Vf), "   kip");
    });
}

void CalculateDrift(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CalculateDrift", [&] {
        DesignRecord& r = ctx.record;
        r.ds = Single(Divide(0.09 * r.c, 0.25 * r.Beam.bf));
        ctx.grids.summary.SetText(16, 1, Format(r.ds, "0.00%"));
    });
}

void RunCalculations(CalcContext& ctx) {
    ctx.record.Modified = true;
    ClearValues(ctx.record);
    LookupShapes(ctx);
    CalculateCutout(ctx);
    CalculateZrbs(ctx);
    CalculateSteelGrade(ctx);
    CalculateMpr(ctx);
    CalculateVP(ctx);
    CalculateMf(ctx);
    CalculateMc(ctx);
    CalculateVf(ctx);
    CalculateDrift(ctx);
}

}  // namespace vantrel
