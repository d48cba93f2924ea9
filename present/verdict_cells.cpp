#include "verdict_cells.h"

#include "result_grids.h"

namespace vantrel {

const std::vector<VerdictCell>& VerdictCells() {
    using enum VerdictGrid;
    constexpr auto P = [](ParametersRow row) { return ParametersGrid::At(row); };
    constexpr auto C = [](ChecksRow row) { return ChecksGrid::At(row); };
    static const std::vector<VerdictCell> cells = {
        {kBeamDepth, Parameters, P(ParametersRow::kBeamDepth), "Beam depth", "FAIL"},
        {kBeamWeight, Parameters, P(ParametersRow::kBeamWeight), "Beam weight", "FAIL"},
        {kSpanToDepth, Parameters, P(ParametersRow::kSpanToDepth), "Span to depth ratio",
         "FAIL     The minimum ratio is "},
        {kFlangeThickness, Parameters, P(ParametersRow::kFlangeThickness), "Beam flange thickness",
         "FAIL"},
        {kFlangeMomentShare, Parameters, P(ParametersRow::kFlangeMomentShare),
         "Flange moment share", "FAIL"},
        {kFlangeReduction, Parameters, P(ParametersRow::kFlangeReduction), "Flange reduction",
         "FAIL"},
        {kColumnSize, Parameters, P(ParametersRow::kColumnSize), "Column size",
         "FAIL     Only W12x or W14x are allowed"},
        {kColumnWidth, Parameters, P(ParametersRow::kColumnWidth), "Column width", "Fail"},
        {kMfRatio, Checks, C(ChecksRow::kMfRatio), "Mf ratio", "FAIL"},
        {kDoublerPlates, Checks, C(ChecksRow::kWebThickness), "Doubler plates",
         "FAIL- Doubler plates required"},
        {kContinuityPlates, Checks, C(ChecksRow::kTcf), "Continuity plates",
         "FAIL - Continuity plates required"},
        {kFlangeSlenderness, Checks, C(ChecksRow::kFlangeRatio), "Beam flange slenderness", "FAIL"},
        {kWebSlenderness, Checks, C(ChecksRow::kWebRatio), "Beam web slenderness", "FAIL"},
        {kBeamShear, Checks, C(ChecksRow::kShearUnity), "Beam shear", "FAIL"},
    };
    return cells;
}

const VerdictCell& VerdictCellOf(Verdict verdict) {
    return VerdictCells()[verdict];
}

std::string VerdictNote(const DesignResults& results, Verdict verdict) {
    const VerdictState state = results.State(verdict);
    if (state == VerdictState::Missing) return {};
    std::string note = state == VerdictState::Pass ? "OK" : VerdictCellOf(verdict).failure;
    if (state == VerdictState::Fail && verdict == kSpanToDepth)
        note += std::to_string(results.checks.minimumSpanRatio);
    if (verdict == kDoublerPlates && !results.smrf) note += "     Not an OMRF requirement";
    return note;
}

std::vector<VerdictResult> ReadVerdicts(const DesignResults& results) {
    std::vector<VerdictResult> verdicts;
    for (const VerdictCell& cell : VerdictCells())
        verdicts.push_back(
            {&cell, results.State(cell.verdict), VerdictNote(results, cell.verdict)});
    return verdicts;
}

}  // namespace vantrel
