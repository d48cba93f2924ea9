#pragma once
// The calculation chain for one beam/column pair, reduced to the numbers the
// search needs. Everything that depends only on the inputs, only on the beam
// or only on the column is worked out once (PairEvaluator's constructor); a
// pair then costs only the column-dependent steps. The steps' formulas are
// the chain's own (model/step_formulas.h, checks/check_formulas.h) over the
// flagging arithmetic, so the values are bit-identical to what Calculate
// stores, and a pair is marked in error exactly when Calculate would report
// a run-time error for it.

#include <bitset>
#include <vector>

#include "model/design_inputs.h"
#include "model/design_record.h"
#include "model/design_results.h"
#include "model/step_formulas.h"

namespace vantrel::search {

struct PairOutcome {
    // Some step of the chain reports a run-time error for this pair; nothing
    // below is meaningful then.
    bool error = false;
    std::bitset<kVerdictCount> passes;  // by Verdict
    // The stored values of the design record, under the record's names.
    float a = 0, b = 0, c = 0, R = 0, Zrbs = 0, Srbs = 0, Cpr = 0, Mpr = 0, X = 0, Lprime = 0,
          Vp = 0, Mf = 0, Mc = 0, Vg = 0, Vf = 0, ds = 0, Cy = 0;
    bool VpSide = false, VgSide = false;  // the larger share on the left
    CheckValues checks;
};

// The inputs every pair reads alike.
struct SharedValues {
    bool error = false;  // a text every calculation reads is not a usable number
    bool smrf = false;
    float L = 0;   // ft
    float h = 0;   // in
    double w = 0;  // factored uniform load, kip/ft
    PointLoads points{};
};

// What depends on the beam alone (and the shared inputs).
struct BeamValues {
    bool error = false;
    // The beam-only verdicts passed together: depth, weight, flange thickness,
    // flange moment share, flange reduction, flange and web slenderness.
    bool passesOwnChecks = false;
    PairOutcome partial;  // the beam-only fields of the outcome
    const WShape* shape = nullptr;
    double hingeOffset = 0;        // a + b/2, in
    double panelZoneRatio = 0;     // (h - d) / h
    double panelZoneStrength = 0;  // 0.54 Fy Ry
    int16_t Fy = 0, Fu = 0;        // the grade as CalculateSteelGrade stores it
    float Ry = 0;
};

struct ColumnValues {
    const WShape* shape = nullptr;
    bool w12OrW14 = false;
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
