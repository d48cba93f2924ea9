#pragma once
// The current-code items of one searched pair, from the pair's own values:
// the basis the core would form from the design record of the same run.

#include <optional>

#include "current/aisc358.h"
#include "pair_evaluation.h"

namespace vantrel::search {

// What the search keeps of a pair's items.
struct CurrentCodeOutcome {
    bool pass = false;
    bool doublersRequired = false;    // panel_zone_shear or panel_zone_thickness required
    bool continuityRequired = false;  // continuity_plate_thickness required
    std::optional<double> strongColumnRatio;
    std::optional<double> panelZoneRatio;
    std::optional<double> hingeRatio;
    std::optional<double> columnAxialRatio;
};

class CurrentCodeEvaluator {
  public:
    // The inputs' Beam and Column are ignored, as in PairEvaluator.
    explicit CurrentCodeEvaluator(const DesignInputs& inputs);

    // False when the column axial load gives no value (not a number, or
    // negative): no pair has items.
    bool Usable() const { return shared_.has_value(); }

    // The items of a pair whose chain reported no error; nothing when the
    // search cannot form them.
    std::optional<CurrentCodeOutcome> Evaluate(const PairEvaluator& pairs, int beam, int column,
                                               const PairOutcome& outcome) const;

  private:
    // Puc, the system and the column above, read once by the core's own rule.
    std::optional<current::Aisc358Basis> shared_;
};

}  // namespace vantrel::search
