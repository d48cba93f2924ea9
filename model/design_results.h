#pragma once
// What the steps of one calculation found besides the design record: how the
// cut's dimensions were found, each check's values and its verdict. The
// presenters turn this and the record into the grids' texts and colours;
// the command line and the search read the verdicts from here.

#include <array>

namespace vantrel {

// The fourteen verdicts: eight parameter rows, then the six code checks.
enum Verdict : int {
    kBeamDepth,
    kBeamWeight,
    kSpanToDepth,
    kFlangeThickness,
    kFlangeMomentShare,
    kFlangeReduction,
    kColumnSize,
    kColumnWidth,
    kMfRatio,
    kDoublerPlates,
    kContinuityPlates,
    kFlangeSlenderness,
    kWebSlenderness,
    kBeamShear,
    kVerdictCount
};

enum class VerdictState { Missing, Pass, Fail };  // Missing: the check did not finish

// a, b or c: typed as an override, or the coefficient times the beam
// dimension (the product before rounding to a quarter inch).
struct CutSource {
    bool userInput = false;
    double product = 0;
};

// A slenderness check: the measured ratio, its limit and their quotient.
struct RatioCheck {
    float measured = 0, limit = 0, ratio = 0;
};

struct CheckValues {
    // Beam and column parameters.
    float spanRatio = 0;
    int minimumSpanRatio = 0;
    float flangeMomentShare = 0;  // times Mplastic
    float remainingWidth = 0;     // of the flange at the cut
    // Connection: Mf against Ry Zb Fy, doubler and continuity plates.
    float RyZbFy = 0, mfRatio = 0;
    float requiredWebThickness = 0;
    float tcf1 = 0, tcf2 = 0, tcf = 0;
    // Beam stability and capacity.
    RatioCheck flange, web;
    float va = 0, shearUnity = 0;
    float Mb = 0, Mrbs = 0;
};

struct DesignResults {
    std::array<CutSource, 3> cut{};  // a, b, c
    CheckValues checks;
    std::array<VerdictState, kVerdictCount> verdicts{};
    bool smrf = false;     // the frame type the checks ran for
    bool errored = false;  // a step reported an error: no value may be shown

    // The verdict as shown: none after an errored run.
    VerdictState State(Verdict v) const { return errored ? VerdictState::Missing : verdicts[v]; }
    void Decide(Verdict v, bool passes) {
        verdicts[v] = passes ? VerdictState::Pass : VerdictState::Fail;
    }
};

}  // namespace vantrel
