#include "check_formulas.h"
#include "checks.h"
#include "model/math_policy.h"

namespace vantrel {
namespace {

constexpr std::string_view kModule = "Tab4";

}  // namespace

void CheckBeamFlangeStability(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckBeamFlangeStability", [&] {
        const DesignRecord& r = ctx.record;
        ThrowingMath m;
        RatioCheck& check = ctx.results.checks.flange;
        check = FlangeSlenderness(m, r.Beam, r.b, r.c, r.R, r.Fy);
        ctx.results.Decide(kFlangeSlenderness, PassesSlenderness(check));
    });
}

void CheckBeamWebStability(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckBeamWebStability", [&] {
        ThrowingMath m;
        RatioCheck& check = ctx.results.checks.web;
        check = WebSlenderness(m, ctx.record.Beam, ctx.record.Fy);
        ctx.results.Decide(kWebSlenderness, PassesSlenderness(check));
    });
}

void CheckBeamShearCapacity(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckBeamShearCapacity", [&] {
        const DesignRecord& r = ctx.record;
        CheckValues& v = ctx.results.checks;
        ThrowingMath m;
        v.va = DesignShearStrength(m, r.Beam, r.Fy);
        v.shearUnity = ShearUnity(m, r.Vf, v.va);
        ctx.results.Decide(kBeamShear, PassesBeamShear(v.shearUnity));
    });
}

void CheckBeamMomentCapacity(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckBeamMomentCapacity", [&] {
        ThrowingMath m;
        ctx.results.checks.Mb = DesignMoment(m, ctx.record.Beam.Zx, ctx.record.Fy);
    });
}

void CheckRBSMomentCapacity(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckRBSMomentCapacity", [&] {
        ThrowingMath m;
        ctx.results.checks.Mrbs = DesignMoment(m, ctx.record.Zrbs, ctx.record.Fy);
    });
}

}  // namespace vantrel
