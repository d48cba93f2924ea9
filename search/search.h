#pragma once
// The design search: every beam/column pair of the shape table calculated
// with the current inputs, the pairs that pass kept and ranked by weight.

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

#include "model/design_inputs.h"

namespace vantrel {

// The code whose verdict a pair must meet.
enum class DesignCode {
    Fema350,  // the FEMA 350 checks, as Calculate shows them
    Aisc358,  // the current-code verdict (AISC 358-16 with 341-16 and 360-16)
    Both,
};

struct SearchOptions {
    // FEMA 350 alone does not check the beam under gravity load.
    DesignCode code = DesignCode::Both;
    // Drop pairs that need doubler plates / continuity plates by the chosen
    // code's plate items (both codes' with DesignCode::Both). For AISC 358:
    // panel_zone_shear or panel_zone_thickness required,
    // continuity_plate_thickness required (341 E3-8/E3-9 or 360 J10.1-J10.3).
    bool excludeDoublerPlates = false;
    bool excludeContinuityPlates = false;
    int threads = 0;  // 0: one per hardware thread
};

// Optional hooks for a caller that shows progress or offers a Cancel button.
struct SearchControl {
    // Called on the calling thread with the beams done so far and the beam
    // count, a few hundred times per search and once more at the end.
    std::function<void(int done, int total)> progress;
    // Set from any thread to stop the search early; checked between beams.
    const std::atomic<bool>* cancel = nullptr;
};

// A pair whose calculation reports no error and meets the chosen code: for
// FEMA 350 the eight parameter checks, the Mf ratio, flange and web
// slenderness and beam shear; for AISC 358 no current-code item fails.
struct DesignMatch {
    int beam = 0;  // shape-table index (ShapeName, ShapeAt)
    int column = 0;
    float mfRatio = 0;
    float shearUnity = 0;
    float flangeRatio = 0;  // flange slenderness ratio
    float webRatio = 0;     // web slenderness ratio
    bool doublerPlatesRequired = false;
    bool continuityPlatesRequired = false;
    // The current-code items of the pair, whatever the chosen code: their
    // verdict, the strong_column value and the ratios of panel_zone_shear,
    // hinge_location and column_axial. All are absent when the items cannot
    // be formed (the column axial load is not a number or is negative); the
    // panel-zone ratio also when the panel zone has no strength left
    // (kp <= 0), the hinge ratio when no moment peaks between the hinges.
    std::optional<bool> aisc358Pass;
    std::optional<double> strongColumnRatio;
    std::optional<double> panelZoneRatio;
    std::optional<double> hingeRatio;
    std::optional<double> columnAxialRatio;
    // Steel of the frame, lb: beam weight per foot x length + 2 x column
    // weight per foot x height.
    double weight = 0;
};

struct SearchResult {
    long searched = 0;  // pairs examined
    bool cancelled = false;
    // An input that every calculation reads gives an error (a length, height
    // or load text that is not a number, a height of 0): no pair can pass.
    bool inputError = false;
    // The current-code items cannot be formed for any pair: the column axial
    // load is not a number or is negative. With DesignCode::Aisc358 or Both
    // no pair passes.
    bool axialLoadError = false;
    std::vector<DesignMatch> designs;  // lightest frame first, then lightest beam
};

// Searches every pair with inputs (whose Beam and Column are ignored). The
// verdicts are those Calculate gives for the pair.
SearchResult SearchDesigns(const DesignInputs& inputs, const SearchOptions& options = {},
                           const SearchControl& control = {});

}  // namespace vantrel
