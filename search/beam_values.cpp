#include <string_view>

#include "checked_math.h"
#include "model/calculations.h"
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
// CheckContPlates and the five beam checks, in their own arithmetic.
void BeamChecks(const DesignRecord& r, const SharedValues& shared, CheckedMath& m, BeamValues& v) {
    PairOutcome& p = v.partial;
    const WShape& beam = r.Beam;

    p.passes[kBeamDepth] = beam.d < 36.0f;
    p.passes[kBeamWeight] = beam.Weight <= 300.0f;
    p.passes[kFlangeThickness] = beam.tf <= 1.75f;
    p.flangeMomentShare =
        m.FormatRound(m.Divide(double{beam.bf} * beam.tf * (double{beam.d} - beam.tf), beam.Zx), 2);
    p.passes[kFlangeMomentShare] = p.flangeMomentShare > 0.7f;
    p.remainingWidth = m.Single(m.Divide(beam.bf - 2.0 * r.c, beam.bf));
    p.passes[kFlangeReduction] = p.remainingWidth >= 0.5f;

    p.RyZbFy = m.FormatRound(m.Single(double{beam.Zx} * r.Ry * r.Fy / 12.0), 2);

    p.Cy = m.FormatRound(m.Divide(1.0, m.Divide(r.Zrbs, r.Srbs) * r.Cpr), 2);
    const double beamDepth = beam.d;
    v.panelZoneRatio = m.Divide(shared.h - beamDepth, shared.h);
    v.panelZoneBase = r.Fy * 0.54 * r.Ry;
    v.depthLessFlange = beamDepth - beam.tf;

    const double bf = beam.bf;
    const float tcf1 = m.FormatRound(0.4 * m.SquareRoot(1.8 * bf * beam.tf), 3);
    const float tcf2 = m.FormatRound(bf / 6.0, 3);
    p.Tcf = tcf2 > tcf1 ? tcf2 : tcf1;

    const double radius = r.R;
    const double x = r.b / 3.0;
    const double width =
        beam.bf + 2.0 * (radius - r.c) - 2.0 * m.SquareRoot(radius * radius - x * x);
    const float bf2tf = m.Single(m.Divide(width, 2.0 * beam.tf));
    const float flangeLimit = m.Single(m.Divide(52.0, m.SquareRoot(r.Fy)));
    p.flangeSlenderness = m.Single(m.Divide(bf2tf, flangeLimit));
    p.passes[kFlangeSlenderness] = p.flangeSlenderness < 1.0f;

    const float hctw = m.Single(m.Divide(beam.d - 2.0 * beam.tf, beam.tw));
    const float webLimit = m.Single(m.Divide(418.0, m.SquareRoot(r.Fy)));
    p.webSlenderness = m.Single(m.Divide(hctw, webLimit));
    p.passes[kWebSlenderness] = p.webSlenderness < 1.0f;

    v.va = m.Single(r.Fy * 0.54 * beam.d * beam.tw);
    // The two moment capacities give no verdict but can still overflow.
    m.Single(double{beam.Zx} * 0.9 * r.Fy / 12.0);
    m.Single(double{r.Zrbs} * 0.9 * r.Fy / 12.0);
}

}  // namespace

BeamValues PrepareBeam(const DesignInputs& inputs, const SharedValues& shared, int index,
                       ResultGrids& grids) {
    DesignRecord r;
    ClearValues(r);
    r.Beam = ShapeAt(index);
    SketchLabels labels;
    ErrorFlag errors;
    CalcContext ctx{r, inputs, grids, labels, errors};
    // None of these reads the column; CalculateDrift reads only c and bf.
    CalculateCutout(ctx);
    CalculateZrbs(ctx);
    CalculateSteelGrade(ctx);
    CalculateMpr(ctx);
    CalculateDrift(ctx);

    BeamValues v;
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

    CheckedMath m;
    // CalculateVP's first step.
    v.hingeOffset = double{r.a} + r.b / 2.0;
    p.X = m.FormatRound(v.hingeOffset, 2);
    BeamChecks(r, shared, m, v);

    v.error = errors.raised || m.failed();
    v.passesOwnChecks = !v.error && p.passes[kBeamDepth] && p.passes[kBeamWeight] &&
                        p.passes[kFlangeThickness] && p.passes[kFlangeMomentShare] &&
                        p.passes[kFlangeReduction] && p.passes[kFlangeSlenderness] &&
                        p.passes[kWebSlenderness];
    v.d = r.Beam.d;
    v.bf = r.Beam.bf;
    v.weight = r.Beam.Weight;
    v.Fy = r.Fy;
    v.Fu = r.Fu;
    v.Ry = r.Ry;
    return v;
}

ColumnValues PrepareColumn(int index) {
    const WShape& shape = ShapeAt(index);
    const std::string_view series = ShapeName(index).substr(0, 4);
    return {shape.d,  shape.bf,     shape.tf,
            shape.tw, shape.Weight, series == "W 12" || series == "W 14"};
}

}  // namespace vantrel::search
