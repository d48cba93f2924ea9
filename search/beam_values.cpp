#include "checks/check_formulas.h"
#include "model/calculations.h"
#include "model/math_policy.h"
#include "model/shape_table.h"
#include "prepared_values.h"

namespace vantrel::search {
namespace {

// Keeps no texts: only whether an error was reported.
class ErrorFlag final : public ErrorSink {
  public:
    void ReportError(const ChainError&) override { raised = true; }
    bool raised = false;
};

// The beam-only parts of CheckBeamParameters, CheckMf, CheckPanelZone,
// CheckContPlates and the beam checks.
void BeamChecks(const DesignRecord& r, const SharedValues& shared, FlaggingMath& m, BeamValues& v) {
    PairOutcome& p = v.partial;
    CheckValues& checks = p.checks;
    const WShape& beam = r.Beam;
    p.passes[kBeamDepth] = PassesBeamDepth(beam);
    p.passes[kBeamWeight] = PassesBeamWeight(beam);
    p.passes[kFlangeThickness] = PassesFlangeThickness(beam);
    checks.minimumSpanRatio = MinimumSpanRatio(shared.smrf);
    checks.flangeMomentShare = FlangeMomentShare(m, beam);
    p.passes[kFlangeMomentShare] = PassesFlangeMomentShare(checks.flangeMomentShare);
    checks.remainingWidth = RemainingFlangeWidth(m, beam, r.c);
    p.passes[kFlangeReduction] = PassesFlangeReduction(checks.remainingWidth);
    checks.RyZbFy = ExpectedBeamMoment(m, beam.Zx, r.Ry, r.Fy);
    p.Cy = ColumnYieldFactor(m, r.Zrbs, r.Srbs, r.Cpr);
    v.panelZoneRatio = PanelZoneDepthRatio(m, shared.h, beam.d);
    v.panelZoneStrength = PanelZoneStrength(r.Fy, r.Ry);
    ContinuityPlateLimits(m, beam, checks);
    checks.flange = FlangeSlenderness(m, beam, r.b, r.c, r.R, r.Fy);
    p.passes[kFlangeSlenderness] = PassesSlenderness(checks.flange);
    checks.web = WebSlenderness(m, beam, r.Fy);
    p.passes[kWebSlenderness] = PassesSlenderness(checks.web);
    checks.va = DesignShearStrength(m, beam, r.Fy);
    // The two moment capacities give no verdict but can still overflow.
    checks.Mb = DesignMoment(m, beam.Zx, r.Fy);
    checks.Mrbs = DesignMoment(m, r.Zrbs, r.Fy);
}

}  // namespace

BeamValues PrepareBeam(const DesignInputs& inputs, const SharedValues& shared, int index) {
    DesignRecord r;
    ClearValues(r);
    r.Beam = ShapeAt(index);
    DesignResults results;
    ErrorFlag errors;
    CalcContext ctx{r, inputs, results, errors};
    // The chain's own procedures: none of these reads the column, and
    // CalculateDrift reads only c and bf.
    CalculateCutout(ctx);
    CalculateZrbs(ctx);
    CalculateSteelGrade(ctx);
    CalculateMpr(ctx);
    CalculateDrift(ctx);

    BeamValues v;
    v.shape = &ShapeAt(index);
    PairOutcome& p = v.partial;
    p.a = r.a;
    p.b = r.b;
    p.c = r.c;
    p.R = r.R;
    p.Zrbs = r.Zrbs;
    p.Srbs = r.Srbs;
    p.Cpr = r.Cpr;
    p.Mpr = r.Mpr;
    p.ds = r.ds;
    FlaggingMath m;
    // CalculateVP's first step.
    v.hingeOffset = HingeOffset(r.a, r.b);
    p.X = HingeDistance(m, v.hingeOffset);
    BeamChecks(r, shared, m, v);
    v.error = errors.raised || m.failed();
    v.passesOwnChecks = !v.error && p.passes[kBeamDepth] && p.passes[kBeamWeight] &&
                        p.passes[kFlangeThickness] && p.passes[kFlangeMomentShare] &&
                        p.passes[kFlangeReduction] && p.passes[kFlangeSlenderness] &&
                        p.passes[kWebSlenderness];
    v.Fy = r.Fy;
    v.Fu = r.Fu;
    v.Ry = r.Ry;
    return v;
}

ColumnValues PrepareColumn(int index) {
    return {&ShapeAt(index), IsW12OrW14(ShapeName(index))};
}

}  // namespace vantrel::search
