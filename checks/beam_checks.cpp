#include <string>

#include "checks.h"
#include "model/number_text.h"
#include "verdict.h"

namespace vantrel {
namespace {

constexpr std::string_view kModule = "Tab4";
constexpr int kValue = 2;
constexpr int kDescription = 3;

// Writes the three rows of a slenderness-style check and its verdict.
void WriteRatioRows(ResultGrid& g, int firstRow, float measured, float limit, float ratio) {
    g.SetText(firstRow, kValue, Format(measured, "0.00"));
    g.SetText(firstRow + 1, kValue, Format(limit, "0.00"));
    g.SetText(firstRow + 2, kValue, Format(ratio, "0.00"));
    WriteVerdict(g, firstRow + 2, kValue, kDescription, ratio < 1.0f, "FAIL");
}

}  // namespace

// FEMA 350 3.3.1.1: flange width-to-thickness at the reduced section, with
// the width taken at the ends of the centre two-thirds of the cut (x = b/3
// from its centre).
void CheckBeamFlangeStability(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckBeamFlangeStability", [&] {
        const DesignRecord& r = ctx.record;
        const double radius = r.R;
        const double x = r.b / 3.0;
        const double width =
            r.Beam.bf + 2.0 * (radius - r.c) - 2.0 * SquareRoot(radius * radius - x * x);
        const float bf2tf = Single(Divide(width, 2.0 * r.Beam.tf));
        const float limit = Single(Divide(52.0, SquareRoot(r.Fy)));
        const float ratio = Single(Divide(bf2tf, limit));
        WriteRatioRows(ctx.grids.checks, 14, bf2tf, limit, ratio);
    });
}

// FEMA 350 3.3.1.2: web slenderness hc/tw.
void CheckBeamWebStability(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckBeamWebStability", [&] {
        const DesignRecord& r = ctx.record;
        const float hctw = Single(Divide(r.Beam.d - 2.0 * r.Beam.tf, r.Beam.tw));
        const float limit = Single(Divide(418.0, SquareRoot(r.Fy)));
        const float ratio = Single(Divide(hctw, limit));
        WriteRatioRows(ctx.grids.checks, 18, hctw, limit, ratio);
    });
}

void CheckBeamShearCapacity(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckBeamShearCapacity", [&] {
        const DesignRecord& r = ctx.record;
        ResultGrid& g = ctx.grids.checks;
        const float va = Single(r.Fy * 0.54 * r.Beam.d * r.Beam.tw);
        const float unity = Single(Divide(r.Vf, va));
        g.SetText(22, kValue, ValueText(r.Vf), "   kip");
        g.SetText(23, kValue, Format(va, "0.00"), "   kip");
        g.SetText(24, kValue, Format(unity, "0.00"));
        WriteVerdict(g, 24, kValue, kDescription, unity < 1.0f, "FAIL");
    });
}

void CheckBeamMomentCapacity(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckBeamMomentCapacity", [&] {
        const DesignRecord& r = ctx.record;
        const float mb = Single(double{r.Beam.Zx} * 0.9 * r.Fy / 12.0);
        ctx.grids.checks.SetText(27, kValue, Format(mb, "0.00"), "   ft-kip");
    });
}

void CheckRBSMomentCapacity(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckRBSMomentCapacity", [&] {
        const DesignRecord& r = ctx.record;
        const float mrbs = Single(double{r.Zrbs} * 0.9 * r.Fy / 12.0);
        ctx.grids.checks.SetText(31, kValue, Format(mrbs, "0.00"), "   ft-kip");
    });
}

void UpdateDiagramLabels(CalcContext& ctx) {
    SketchLabels& labels = ctx.labels;
    const ResultGrid& summary = ctx.grids.summary;
    labels.LabelLength = ctx.inputs.Length + " ft.";
    labels.Labela = summary.Text(1, 1);
    labels.Labelb = summary.Text(2, 1);
    labels.Labelc = summary.Text(3, 1);
    labels.Labelr = summary.Text(4, 1);
}

}  // namespace vantrel
