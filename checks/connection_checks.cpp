#include <string>

#include "checks.h"
#include "model/number_text.h"
#include "verdict.h"

namespace vantrel {
namespace {

constexpr std::string_view kModule = "Tab4";
constexpr int kValue = 2;
constexpr int kDescription = 3;

}  // namespace

// FEMA 350 3.5.5.1 Step 2d: Mf below 0.99 of the beam's expected plastic moment.
void CheckMf(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckMf", [&] {
        const DesignRecord& r = ctx.record;
        ResultGrid& g = ctx.grids.checks;
        g.Paint(3, 1, 3, 2, kWhite);
        const float ryZbFy =
            FormatRound(Single(double{r.Beam.Zx} * r.Ry * r.Fy / 12.0), "0.00");
        const float ratio = Single(Divide(r.Mf, ryZbFy));
        g.SetText(1, kValue, ValueText(r.Mf), "   ft-kip");
        g.SetText(2, kValue, ValueText(ryZbFy), "   ft-kip");
        g.SetText(3, kValue, Format(ratio, "0.000"));
        WriteVerdict(g, 3, kValue, kDescription, ratio < 0.99f, "FAIL");
    });
}

// FEMA 350 3.3.3.2 (3-7): panel-zone thickness; 3.2.7 (3-4): Cy.
void CheckPanelZone(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckPanelZone", [&] {
        DesignRecord& r = ctx.record;
        ResultGrid& g = ctx.grids.checks;
        g.Paint(8, kValue, 8, kValue, kWhite);
        r.Cy = FormatRound(Divide(1.0, Divide(r.Zrbs, r.Srbs) * r.Cpr), "0.00");
        g.SetText(6, kValue, ValueText(r.Cy));
        g.SetText(7, kValue, ValueText(r.Ry));
        r.h = Single(DoubleFromText(ctx.inputs.Height) * 12.0);
        const double beamDepth = r.Beam.d;
        const double numerator =
            Divide(r.h - beamDepth, r.h) * (double{r.Mc} * r.Cy * 12.0);
        const double denominator =
            r.Fy * 0.54 * r.Ry * r.Column.d * (beamDepth - r.Beam.tf);
        const float t = FormatRound(Divide(numerator, denominator), "0.000");
        g.SetText(8, kValue, ValueText(t), "   in");
        WriteVerdict(g, 8, kValue, kDescription, t <= r.Column.tw,
                     "FAIL- Doubler plates required");
        if (!ctx.inputs.IsSMRF()) {
            g.SetText(8, kDescription, g.Text(8, kDescription) + "     Not an OMRF requirement");
        }
    });
}

// FEMA 350 3.3.3.1 (3-5), (3-6). Continuity plates are required unless the
// column flange satisfies both equations, so the larger limit governs.
void CheckContPlates(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CheckContPlates", [&] {
        const DesignRecord& r = ctx.record;
        ResultGrid& g = ctx.grids.checks;
        g.Paint(12, 1, 12, 2, kWhite);
        const double bf = r.Beam.bf;
        const float tcf1 = FormatRound(0.4 * SquareRoot(1.8 * bf * r.Beam.tf), "0.000");
        const float tcf2 = FormatRound(bf / 6.0, "0.000");
        const float tcf = tcf2 > tcf1 ? tcf2 : tcf1;
        g.SetText(10, kValue, Format(tcf1, "0.000"), "   in");
        g.SetText(11, kValue, Format(tcf2, "0.000"), "   in");
        g.SetText(12, kValue, Format(tcf, "0.000"), "   in");
        WriteVerdict(g, 12, kValue, kDescription, !(r.Column.tf < tcf),
                     "FAIL - Continuity plates required");
    });
}

}  // namespace vantrel
