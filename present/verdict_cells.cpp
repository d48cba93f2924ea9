#include "verdict_cells.h"

namespace vantrel {

const std::vector<VerdictCell>& VerdictCells() {
    using enum VerdictGrid;
    static const std::vector<VerdictCell> cells = {
        {kBeamDepth, Parameters, 2, 1, 2, "Beam depth", "FAIL"},
        {kBeamWeight, Parameters, 3, 1, 2, "Beam weight", "FAIL"},
        {kSpanToDepth, Parameters, 4, 1, 2, "Span to depth ratio",
         "FAIL     The minimum ratio is "},
        {kFlangeThickness, Parameters, 5, 1, 2, "Beam flange thickness", "FAIL"},
        {kFlangeMomentShare, Parameters, 6, 1, 2, "Flange moment share", "FAIL"},
        {kFlangeReduction, Parameters, 7, 1, 2, "Flange reduction", "FAIL"},
        {kColumnSize, Parameters, 9, 1, 2, "Column size", "FAIL     Only W12x or W14x are allowed"},
        {kColumnWidth, Parameters, 10, 1, 2, "Column width", "Fail"},
        {kMfRatio, Checks, 3, 2, 3, "Mf ratio", "FAIL"},
        {kDoublerPlates, Checks, 8, 2, 3, "Doubler plates", "FAIL- Doubler plates required"},
        {kContinuityPlates, Checks, 12, 2, 3, "Continuity plates",
         "FAIL - Continuity plates required"},
        {kFlangeSlenderness, Checks, 16, 2, 3, "Beam flange slenderness", "FAIL"},
        {kWebSlenderness, Checks, 20, 2, 3, "Beam web slenderness", "FAIL"},
        {kBeamShear, Checks, 24, 2, 3, "Beam shear", "FAIL"},
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
