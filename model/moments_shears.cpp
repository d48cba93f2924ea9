#include "calculations.h"
#include "math_policy.h"
#include "step_formulas.h"

namespace vantrel {
namespace {

constexpr std::string_view kModule = "Tab1";

}  // namespace

const char* HingesAndLoadsFault(const DesignRecord& r) {
    if (!(r.Lprime > 0.0f)) return kCauseHingesMeet;
    for (const LoadValues* loads : {&r.DistDL, &r.DistLL, &r.PointDL, &r.PointLL})
        for (float load : *loads)
            if (load < 0.0f) return kCauseNegativeLoad;
    for (float location : r.PointLoadLocation)
        if (location < 0.0f || location > r.L) return kCauseLoadOffTheBeam;
    return nullptr;
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
    double dead = r.DistDL[0];
    double live = r.DistLL[0];
    for (int i = 1; i < kLoadCount; ++i) {
        dead += r.DistDL[i];
        live += r.DistLL[i];
    }
    return kDeadLoadFactor * dead + kLiveLoadFactor * live;
}

void CalculateMpr(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CalculateMpr", [&] {
        DesignRecord& r = ctx.record;
        r.Mpr = FormatRound(double{r.Ry} * r.Cpr * r.Zrbs * r.Fy / 12.0, "0.0");
    });
}

void CalculateVP(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CalculateVP", [&] {
        DesignRecord& r = ctx.record;
        ThrowingMath m;
        const double hingeOffset = HingeOffset(r.a, r.b);
        r.X = HingeDistance(m, hingeOffset);
        r.L = SingleFromText(ctx.inputs.Length);
        r.Lprime = SpanBetweenHinges(m, r.L, hingeOffset, r.Column.d);
        ReadLoads(ctx.inputs, r);
        if (const char* cause = HingesAndLoadsFault(r)) m.Refuse(cause);
        ShearAtHinges(m, FactoredDistributedLoad(r), PointLoadsOf(r), r.Column.d, r);
    });
}

void CalculateMf(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CalculateMf", [&] {
        ThrowingMath m;
        MomentAtFace(m, ctx.record);
    });
}

void CalculateMc(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CalculateMc", [&] {
        ThrowingMath m;
        MomentAtColumnCentre(m, ctx.record.Column.d, ctx.record);
    });
}

void CalculateVf(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CalculateVf", [&] {
        DesignRecord& r = ctx.record;
        ThrowingMath m;
        ShearsAtFace(m, r.L, r.Column.d, FactoredDistributedLoad(r), PointLoadsOf(r), r);
    });
}

void CalculateDrift(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CalculateDrift", [&] {
        DesignRecord& r = ctx.record;
        r.ds = Single(Divide(0.09 * r.c, 0.25 * r.Beam.bf));
    });
}

void RunCalculations(CalcContext& ctx) {
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
