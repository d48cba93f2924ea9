#include "check_formulas.h"
#include "checks.h"
#include "model/math_policy.h"

namespace vantrel {
namespace {

constexpr std::string_view kModule = "Tab4";

}  // namespace

// FEMA 350 3.5.5.1 Step 2d: Mf below 0.99 of the beam's expected plastic moment.
void CheckMf(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckMf", [&] {
        const DesignRecord& r = ctx.record;
        CheckValues& v = ctx.results.checks;
        ThrowingMath m;
        v.RyZbFy = ExpectedBeamMoment(m, r.Beam.Zx, r.Ry, r.Fy);
        v.mfRatio = MfRatio(m, r.Mf, v.RyZbFy);
        ctx.results.Decide(kMfRatio, PassesMfRatio(v.mfRatio));
    });
}

// FEMA 350 3.3.3.2 (3-7): panel-zone thickness; 3.2.7 (3-4): Cy.
void CheckPanelZone(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckPanelZone", [&] {
        DesignRecord& r = ctx.record;
        CheckValues& v = ctx.results.checks;
        ThrowingMath m;
        r.Cy = ColumnYieldFactor(m, r.Zrbs, r.Srbs, r.Cpr);
        r.h = Single(DoubleFromText(ctx.inputs.Height) * 12.0);
        const double depthRatio = PanelZoneDepthRatio(m, r.h, r.Beam.d);
        v.requiredWebThickness =
            RequiredWebThickness(m, depthRatio, r.Mc, r.Cy, PanelZoneStrength(r.Fy, r.Ry),
                                 r.Column.d, double{r.Beam.d} - r.Beam.tf);
        ctx.results.Decide(kDoublerPlates, PassesDoublerPlates(v.requiredWebThickness, r.Column));
    });
}

void CheckContPlates(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckContPlates", [&] {
        ThrowingMath m;
        ContinuityPlateLimits(m, ctx.record.Beam, ctx.results.checks);
        ctx.results.Decide(kContinuityPlates,
                           PassesContinuityPlates(ctx.results.checks.tcf, ctx.record.Column));
    });
}

}  // namespace vantrel
