#include <algorithm>
#include <string>

#include "calculations.h"
#include "input_lists.h"

namespace vantrel {
namespace {

constexpr std::string_view kModule = "Tab1";

}  // namespace

void CalculateZrbs(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CalculateZrbs", [&] {
        DesignRecord& r = ctx.record;
        const double d = r.Beam.d, bf = r.Beam.bf, tf = r.Beam.tf, tw = r.Beam.tw;
        const double c = r.c;
        r.Zrbs = FormatRound(r.Beam.Zx - 2.0 * c * tf * (d - tf), "0.00");

        // The reduced section as two flanges of width bf - 2c and the web.
        const double bfr = Single(bf - 2.0 * c);
        const double af = Single(tf * bfr);
        const double arm = (d - tf) / 2.0;
        const double flangeI = Single(af * (arm * arm) + bfr * (tf * tf * tf) / 12.0);
        const double webDepth = d - 2.0 * tf;
        const double webI = Single(tw * (webDepth * webDepth * webDepth) / 12.0);
        r.Srbs = FormatRound(Divide(2.0 * flangeI + webI, d / 2.0), "0.00");
    });
}

void CalculateSteelGrade(CalcContext& ctx) {
    RunTrapped(ctx, kModule, "CalculateSteelGrade", [&] {
        DesignRecord& r = ctx.record;
        // Only an exact entry of the list has a material; anything else (a
        // project file can hold it) stores nothing.
        const auto grade =
            std::find_if(kGradeEntries.begin(), kGradeEntries.end(),
                         [&](const GradeEntry& g) { return ctx.inputs.Grade == g.text; });
        if (grade == kGradeEntries.end()) RaiseFault(kErrInvalidArgument, kCauseUnknownGrade);
        r.Fy = grade->Fy;
        r.Fu = grade->Fu;
        r.Ry = grade->Ry;
        const int16_t sum = Int16(long{r.Fy} + r.Fu);
        const int16_t twiceFy = Int16(2L * r.Fy);
        r.Cpr = FormatRound(Divide(sum, twiceFy), "0.00");
    });
}

}  // namespace vantrel
