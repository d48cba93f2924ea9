#include <string>

#include "checks.h"
#include "model/number_text.h"
#include "verdict.h"

namespace vantrel {
namespace {

constexpr int kValue = 1;
constexpr int kNotes = 2;

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

void CheckBeamParameters(CalcContext& ctx) {
    RunTrapped(ctx, "Tab2", "CheckBeamParameters", [&] {
        DesignRecord& r = ctx.record;
        ResultGrid& g = ctx.grids.parameters;
        const WShape& beam = r.Beam;
        const WShape& column = r.Column;
        auto startRow = [&](int row, const std::string& value) {
            g.Paint(row, kValue, row, kValue, kWhite);
            g.SetText(row, kValue, value);
        };

        startRow(2, ValueText(beam.d) + "\"");
        WriteVerdict(g, 2, kValue, kNotes, beam.d < 36.0f, "FAIL");

        startRow(3, ValueText(beam.Weight));
        WriteVerdict(g, 3, kValue, kNotes, beam.Weight <= 300.0f, "FAIL");

        const int minimumRatio = ctx.inputs.IsSMRF() ? 7 : 5;
        g.Paint(4, kValue, 4, kValue, kWhite);
        r.L = SingleFromText(ctx.inputs.Length);
        const float spanRatio = Single(Divide(double{r.L} * 12.0 - column.d, beam.d));
        g.SetText(4, kValue, Format(spanRatio, "0.00"));
        WriteVerdict(g, 4, kValue, kNotes, spanRatio > static_cast<float>(minimumRatio),
                     "FAIL     The minimum ratio is " + std::to_string(minimumRatio));

        startRow(5, ValueText(beam.tf));
        WriteVerdict(g, 5, kValue, kNotes, beam.tf <= 1.75f, "FAIL");

        g.Paint(6, kValue, 6, kValue, kWhite);
        const float flangeRatio = FormatRound(
            Divide(double{beam.bf} * beam.tf * (double{beam.d} - beam.tf), beam.Zx), "0.00");
        g.SetText(6, kValue, ValueText(flangeRatio), "xMplastic");
        WriteVerdict(g, 6, kValue, kNotes, flangeRatio > 0.7f, "FAIL");

        g.Paint(7, kValue, 7, kValue, kWhite);
        const float remaining = Single(Divide(beam.bf - 2.0 * r.c, beam.bf));
        g.SetText(7, kValue, Format(remaining, "0.0%"), " remaining");
        WriteVerdict(g, 7, kValue, kNotes, remaining >= 0.5f, "FAIL");

        startRow(9, Trimmed(column.Name));
        const std::string_view series = std::string_view(ctx.inputs.Column).substr(0, 4);
        const bool allowedSeries = series == "W 12" || series == "W 14";
        WriteVerdict(g, 9, kValue, kNotes, !ctx.inputs.IsSMRF() || allowedSeries,
                     "FAIL     Only W12x or W14x are allowed");

        startRow(10, ValueText(column.bf) + "in. vs. " + ValueText(beam.bf) + "in.");
        WriteVerdict(g, 10, kValue, kNotes, column.bf >= beam.bf, "Fail");
    });
}

}  // namespace vantrel
