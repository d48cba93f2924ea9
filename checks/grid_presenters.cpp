#include "grid_presenters.h"

#include "model/number_text.h"
#include "verdict_cells.h"

namespace vantrel {
namespace {

constexpr std::string_view kInches = "   in.";
constexpr std::string_view kCubicInches = "   in\xC2\xB3";  // "in" and superscript three
constexpr std::string_view kFootKips = "   ft-kip";
constexpr std::string_view kKips = "   kip";

// The summary's text of a (0), b (1) or c (2).
std::string CutDimensionText(const DesignRecord& r, const DesignResults& results, int i) {
    const float value = i == 0 ? r.a : i == 1 ? r.b : r.c;
    const std::string number = results.cut[i].userInput ? ValueText(value) : Format(value, "0.00");
    return number + std::string(kInches);
}

std::string CutSourceText(const CutSource& source) {
    if (source.userInput) return "User input";
    return "From " + Format(source.product, "0.000") + std::string(kInches);
}

std::string RadiusText(const DesignRecord& r) {
    return Format(r.R, "0.00") + std::string(kInches);
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

ResultGrid& GridOf(ResultGrids& grids, VerdictGrid which) {
    return which == VerdictGrid::Checks ? grids.checks : grids.parameters;
}

// Paints the value cell green or red and writes the note beside it.
void PresentVerdicts(const DesignResults& results, ResultGrids& grids) {
    for (const VerdictCell& cell : VerdictCells()) {
        ResultGrid& grid = GridOf(grids, cell.grid);
        const bool passes = results.State(cell.verdict) == VerdictState::Pass;
        grid.Paint(cell.row, cell.valueColumn, cell.row, cell.valueColumn,
                   passes ? kPassGreen : kFailRed);
        grid.SetText(cell.row, cell.noteColumn, VerdictNote(results, cell.verdict));
    }
}

// The three rows of a slenderness check, ending in the verdict's row.
void PresentRatioRows(ResultGrid& g, Verdict verdict, const RatioCheck& check) {
    const VerdictCell& cell = VerdictCellOf(verdict);
    g.SetText(cell.row - 2, cell.valueColumn, Format(check.measured, "0.00"));
    g.SetText(cell.row - 1, cell.valueColumn, Format(check.limit, "0.00"));
    g.SetText(cell.row, cell.valueColumn, Format(check.ratio, "0.00"));
}

}  // namespace

void PresentSummary(const DesignRecord& r, const DesignResults& results, ResultGrid& g) {
    for (int i = 0; i < 3; ++i) {
        g.SetText(1 + i, 1, CutDimensionText(r, results, i));
        g.SetText(1 + i, 2, CutSourceText(results.cut[i]));
    }
    g.SetText(4, 1, RadiusText(r));
    g.SetText(5, 1, ValueText(r.Zrbs), kCubicInches);
    g.SetText(6, 1, ValueText(r.Cpr));
    g.SetText(7, 1, ValueText(r.Ry));
    g.SetText(8, 1, ValueText(r.Mpr), kFootKips);
    g.SetText(9, 1, Format(r.X, "0.00"), "   in");
    g.SetText(10, 1, ValueText(r.Lprime), "   ft");
    g.SetText(11, 1, ValueText(r.Vp), kKips);
    g.SetText(12, 1, ValueText(r.Mf), kFootKips);
    g.SetText(13, 1, ValueText(r.Mc), kFootKips);
    g.SetText(14, 1, ValueText(r.Vg), kKips);
    g.SetText(15, 1, ValueText(r.Vf), kKips);
    g.SetText(16, 1, Format(r.ds, "0.00%"));
}

void PresentChecks(const DesignRecord& r, const DesignResults& results, ResultGrid& g) {
    const CheckValues& v = results.checks;
    constexpr int kValue = 2;
    const int mfRow = VerdictCellOf(kMfRatio).row;
    g.Paint(mfRow, 1, mfRow, kValue, kWhite);
    g.SetText(mfRow - 2, kValue, ValueText(r.Mf), kFootKips);
    g.SetText(mfRow - 1, kValue, ValueText(v.RyZbFy), kFootKips);
    g.SetText(mfRow, kValue, Format(v.mfRatio, "0.000"));

    const int tRow = VerdictCellOf(kDoublerPlates).row;
    g.Paint(tRow, kValue, tRow, kValue, kWhite);
    g.SetText(tRow - 3, kValue, ValueText(r.Srbs), kCubicInches);
    g.SetText(tRow - 2, kValue, ValueText(r.Cy));
    g.SetText(tRow - 1, kValue, ValueText(r.Ry));
    g.SetText(tRow, kValue, ValueText(v.requiredWebThickness), "   in");

    const int tcfRow = VerdictCellOf(kContinuityPlates).row;
    g.Paint(tcfRow, 1, tcfRow, kValue, kWhite);
    g.SetText(tcfRow - 2, kValue, Format(v.tcf1, "0.000"), "   in");
    g.SetText(tcfRow - 1, kValue, Format(v.tcf2, "0.000"), "   in");
    g.SetText(tcfRow, kValue, Format(v.tcf, "0.000"), "   in");

    PresentRatioRows(g, kFlangeSlenderness, v.flange);
    PresentRatioRows(g, kWebSlenderness, v.web);

    const int shearRow = VerdictCellOf(kBeamShear).row;
    g.SetText(shearRow - 2, kValue, ValueText(r.Vf), kKips);
    g.SetText(shearRow - 1, kValue, Format(v.va, "0.00"), kKips);
    g.SetText(shearRow, kValue, Format(v.shearUnity, "0.00"));

    // The two capacities are for comparison with the frame analysis: no verdict.
    g.SetText(27, kValue, Format(v.Mb, "0.00"), kFootKips);
    g.SetText(31, kValue, Format(v.Mrbs, "0.00"), kFootKips);
}

void PresentParameters(const DesignRecord& r, const DesignResults& results, ResultGrid& g) {
    const CheckValues& v = results.checks;
    const WShape& beam = r.Beam;
    const WShape& column = r.Column;
    const auto value = [&](Verdict verdict, const std::string& text) {
        const VerdictCell& cell = VerdictCellOf(verdict);
        g.Paint(cell.row, cell.valueColumn, cell.row, cell.valueColumn, kWhite);
        g.SetText(cell.row, cell.valueColumn, text);
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

ResultGrids PresentedGrids(const DesignRecord& record, const DesignResults& results) {
    ResultGrids grids;
    PresentGrids(record, results, grids);
    return grids;
}

std::string FlangeWidthLabel(const WShape& shape) {
    return "Fl. Width = " + ValueText(shape.bf) + "\"";
}

void PresentLabels(const DesignInputs& inputs, const DesignRecord& r, const ResultGrid& summary,
                   SketchLabels& labels) {
    labels.Labelbeam = inputs.Beam;
    labels.Labelcolumn1 = labels.Labelcolumn2 = inputs.Column;
    labels.LblBeamWidth = FlangeWidthLabel(r.Beam);
    labels.LblColumnWidth = FlangeWidthLabel(r.Column);
    labels.LabelLength = inputs.Length + " ft.";
    // The sketch repeats the summary's a, b, c and R (empty after an error).
    labels.Labela = summary.Text(1, 1);
    labels.Labelb = summary.Text(2, 1);
    labels.Labelc = summary.Text(3, 1);
    labels.Labelr = summary.Text(4, 1);
}

}  // namespace vantrel
