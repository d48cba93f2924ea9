#include "grid_presenters.h"

#include "model/number_text.h"
#include "value_texts.h"
#include "verdict_cells.h"

namespace vantrel {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Paints each verdict's value cell green or red and writes its note beside it.
void PresentVerdicts(const DesignResults& results, ResultGrids& grids) {
    for (const VerdictCell& cell : VerdictCells()) {
        const bool checks = cell.grid == VerdictGrid::Checks;
        ResultGrid& grid = checks ? static_cast<ResultGrid&>(grids.checks) : grids.parameters;
        const ValueColumns columns =
            checks ? ChecksGrid::kValueColumns : ParametersGrid::kValueColumns;
        const bool passes = results.State(cell.verdict) == VerdictState::Pass;
        grid.Paint(cell.row, columns.first, cell.row, columns.first,
                   passes ? kPassGreen : kFailRed);
        grid.SetText(cell.row, columns.last, VerdictNote(results, cell.verdict));
    }
}

// The three rows of a slenderness check.
void PresentRatioRows(ChecksGrid& g, ChecksRow measured, ChecksRow limit, ChecksRow ratio,
                      const RatioCheck& check) {
    constexpr ChecksColumn kValue = ChecksColumn::kValue;
    g.SetText(measured, kValue, Format(check.measured, "0.00"));
    g.SetText(limit, kValue, Format(check.limit, "0.00"));
    g.SetText(ratio, kValue, Format(check.ratio, "0.00"));
}

}  // namespace

void PresentSummary(const DesignRecord& r, const DesignResults& results, SummaryGrid& g) {
    using Row = SummaryRow;
    constexpr SummaryColumn kValue = SummaryColumn::kValue;
    const std::pair<Row, CutDimension> cuts[] = {
        {Row::kA, CutDimension::A}, {Row::kB, CutDimension::B}, {Row::kC, CutDimension::C}};
    for (const auto& [row, cut] : cuts) {
        g.SetText(row, kValue, CutDimensionText(r, results, cut));
        g.SetText(row, SummaryColumn::kNotes, CutSourceText(results.cut[static_cast<size_t>(cut)]));
    }
    g.SetText(Row::kR, kValue, RadiusText(r));
    g.SetText(Row::kZrbs, kValue, ValueText(r.Zrbs), kCubicInches);
    g.SetText(Row::kCpr, kValue, ValueText(r.Cpr));
    g.SetText(Row::kRy, kValue, ValueText(r.Ry));
    g.SetText(Row::kMpr, kValue, ValueText(r.Mpr), kFootKips);
    g.SetText(Row::kX, kValue, Format(r.X, "0.00"), "   in");
    g.SetText(Row::kLprime, kValue, ValueText(r.Lprime), "   ft");
    g.SetText(Row::kVp, kValue, ValueText(r.Vp), kKips);
    g.SetText(Row::kMf, kValue, ValueText(r.Mf), kFootKips);
    g.SetText(Row::kMc, kValue, ValueText(r.Mc), kFootKips);
    g.SetText(Row::kVg, kValue, ValueText(r.Vg), kKips);
    g.SetText(Row::kVf, kValue, ValueText(r.Vf), kKips);
    g.SetText(Row::kDs, kValue, Format(r.ds, "0.00%"));
}

void PresentChecks(const DesignRecord& r, const DesignResults& results, ChecksGrid& g) {
    using Row = ChecksRow;
    constexpr ChecksColumn kValue = ChecksColumn::kValue;
    const CheckValues& v = results.checks;
    g.Paint(Row::kMfRatio, ChecksColumn::kQuantity, kValue, kWhite);
    g.SetText(Row::kMf, kValue, ValueText(r.Mf), kFootKips);
    g.SetText(Row::kRyZbFy, kValue, ValueText(v.RyZbFy), kFootKips);
    g.SetText(Row::kMfRatio, kValue, Format(v.mfRatio, "0.000"));

    g.Paint(Row::kWebThickness, kValue, kValue, kWhite);
    g.SetText(Row::kSrbs, kValue, ValueText(r.Srbs), kCubicInches);
    g.SetText(Row::kCy, kValue, ValueText(r.Cy));
    g.SetText(Row::kRy, kValue, ValueText(r.Ry));
    g.SetText(Row::kWebThickness, kValue, ValueText(v.requiredWebThickness), "   in");

    g.Paint(Row::kTcf, ChecksColumn::kQuantity, kValue, kWhite);
    g.SetText(Row::kTcf1, kValue, Format(v.tcf1, "0.000"), "   in");
    g.SetText(Row::kTcf2, kValue, Format(v.tcf2, "0.000"), "   in");
    g.SetText(Row::kTcf, kValue, Format(v.tcf, "0.000"), "   in");

    PresentRatioRows(g, Row::kFlangeSlenderness, Row::kFlangeLimit, Row::kFlangeRatio, v.flange);
    PresentRatioRows(g, Row::kWebSlenderness, Row::kWebLimit, Row::kWebRatio, v.web);

    g.SetText(Row::kShear, kValue, ValueText(r.Vf), kKips);
    g.SetText(Row::kAllowableShear, kValue, Format(v.va, "0.00"), kKips);
    g.SetText(Row::kShearUnity, kValue, Format(v.shearUnity, "0.00"));

    // The two capacities are for comparison with the frame analysis: no verdict.
    g.SetText(Row::kBeamMoment, kValue, Format(v.Mb, "0.00"), kFootKips);
    g.SetText(Row::kRbsMoment, kValue, Format(v.Mrbs, "0.00"), kFootKips);
}

void PresentParameters(const DesignRecord& r, const DesignResults& results, ParametersGrid& g) {
    const CheckValues& v = results.checks;
    const WShape& beam = r.Beam;
    const WShape& column = r.Column;
    const int valueColumn = ParametersGrid::kValueColumns.first;
    const auto value = [&](Verdict verdict, const std::string& text) {
        const int row = VerdictCellOf(verdict).row;
        g.Paint(row, valueColumn, row, valueColumn, kWhite);
        g.SetText(row, valueColumn, text);
    };
    value(kBeamDepth, ValueText(beam.d) + "\"");
    value(kBeamWeight, ValueText(beam.Weight));
    value(kSpanToDepth, Format(v.spanRatio, "0.00"));
    value(kFlangeThickness, ValueText(beam.tf));
    value(kFlangeMomentShare, ValueText(v.flangeMomentShare) + "xMplastic");
    value(kFlangeReduction, Format(v.remainingWidth, "0.0%") + " remaining");
    value(kColumnSize, Trimmed(column.Name));
    value(kColumnWidth, ValueText(column.bf) + "in. vs. " + ValueText(beam.bf) + "in.");
}

void PresentGrids(const DesignRecord& record, const DesignResults& results, ResultGrids& grids) {
    // After an error the steps after it have worked from the placeholders of
    // the failed ones: show nothing rather than numbers nobody may trust.
    if (results.errored) {
        ResetGrids(grids);
        return;
    }
    PresentSummary(record, results, grids.summary);
    PresentChecks(record, results, grids.checks);
    PresentParameters(record, results, grids.parameters);
    PresentVerdicts(results, grids);
}

}  // namespace vantrel
