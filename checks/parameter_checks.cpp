#include "check_formulas.h"
#include "checks.h"
#include "model/math_policy.h"

namespace vantrel {

void CheckBeamParameters(CalcContext& ctx) {
    RunTrapped(ctx, "Tab2", "CheckBeamParameters", [&] {
        DesignRecord& r = ctx.record;
        DesignResults& results = ctx.results;
        CheckValues& v = results.checks;
        ThrowingMath m;
        const WShape& beam = r.Beam;
        const WShape& column = r.Column;
        const bool smrf = ctx.inputs.IsSMRF();
        results.Decide(kBeamDepth, PassesBeamDepth(beam));
        results.Decide(kBeamWeight, PassesBeamWeight(beam));
        v.minimumSpanRatio = MinimumSpanRatio(smrf);
        r.L = SingleFromText(ctx.inputs.Length);
        v.spanRatio = SpanToDepthRatio(m, r.L, column.d, beam.d);
        results.Decide(kSpanToDepth, PassesSpanRatio(v.spanRatio, v.minimumSpanRatio));
        results.Decide(kFlangeThickness, PassesFlangeThickness(beam));
        v.flangeMomentShare = FlangeMomentShare(m, beam);
        results.Decide(kFlangeMomentShare, PassesFlangeMomentShare(v.flangeMomentShare));
        v.remainingWidth = RemainingFlangeWidth(m, beam, r.c);
        results.Decide(kFlangeReduction, PassesFlangeReduction(v.remainingWidth));
        results.Decide(kColumnSize, PassesColumnSize(smrf, IsW12OrW14(ctx.inputs.Column)));
        results.Decide(kColumnWidth, PassesColumnWidth(column, beam));
    });
}

}  // namespace vantrel
