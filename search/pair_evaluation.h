#pragma once
// The calculation chain for one beam/column pair, reduced to the numbers the
// search needs. Everything that depends only on the inputs, only on the beam
// or only on the column is worked out once (PairEvaluator's constructor); a
// pair then costs only the column-dependent steps. The values are
// bit-identical to what Calculate stores and shows, and a pair is marked in
// error exactly when Calculate would report a run-time error for it.

#include <array>
#include <bitset>
#include <vector>

#include "model/design_inputs.h"

namespace vantrel::search {

// The fourteen verdicts, in the order of VerdictCells() (checks/verdict_cells.h).
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

struct PairOutcome {
    // Some step of the chain reports a run-time error for this pair; nothing
    // below is meaningful then.
    bool error = false;
    std::bitset<kVerdictCount> passes;

    // Stored values of the design record.
    float a = 0, b = 0, c = 0, R = 0, Zrbs = 0, Srbs = 0, Cpr = 0, Mpr = 0, X = 0, Lprime = 0,
          Vp = 0, Mf = 0, Mc = 0, Vg = 0, Vf = 0, ds = 0, Cy = 0;
    // Values of the checks.
    float spanRatio = 0, flangeMomentShare = 0, remainingWidth = 0;
    float RyZbFy = 0, mfRatio = 0, requiredWebThickness = 0, Tcf = 0;
    float flangeSlenderness = 0, webSlenderness = 0, shearUnity = 0;
};

// The inputs every pair reads alike.
struct SharedValues {
    bool error = false;  // a text every calculation reads is not a usable number
    bool smrf = false;
    float L = 0;   // ft
    float h = 0;   // in
    double w = 0;  // factored uniform load, kip/ft
    struct PointLoad {
        double dead, live, location;
    };
    std::array<PointLoad, 3> points{};
};

// What depends on the beam alone (and the shared inputs).
struct BeamValues {
    bool error = false;
    // The beam-only verdicts passed together: depth, weight, flange thickness,
    // flange moment share, flange reduction, flange and web slenderness.
    bool passesOwnChecks = false;
    PairOutcome partial;         // the beam-only fields of the outcome
    double hingeOffset = 0;      // a + b/2, in
    double panelZoneRatio = 0;   // (h - d) / h
    double panelZoneBase = 0;    // Fy·0.54·Ry
    double depthLessFlange = 0;  // d - tf
    float va = 0;                // design shear strength, kip
    float d = 0, bf = 0, weight = 0;
    double Fy = 0, Fu = 0, Ry = 0;  // the grade as CalculateSteelGrade stores it
};

struct ColumnValues {
    float d = 0, bf = 0, tf = 0, tw = 0, weight = 0;
    bool allowedSeries = false;  // designation starts "W 12" or "W 14"
};

class PairEvaluator {
  public:
    // inputs.Beam and inputs.Column are ignored; every other input applies.
    explicit PairEvaluator(const DesignInputs& inputs);

    const SharedValues& Shared() const { return shared_; }
    const BeamValues& Beam(int index) const { return beams_[static_cast<size_t>(index)]; }
    const ColumnValues& Column(int index) const { return columns_[static_cast<size_t>(index)]; }

    // The chain's outcome for the pair of table indexes.
    PairOutcome Evaluate(int beam, int column) const;

  private:
    SharedValues shared_;
    std::vector<BeamValues> beams_;
    std::vector<ColumnValues> columns_;
};

}  // namespace vantrel::search
