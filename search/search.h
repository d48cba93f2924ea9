#pragma once
// The design search: every beam/column pair of the shape table calculated
// with the current inputs, the pairs that pass kept and ranked by weight.

#include <atomic>
#include <functional>
#include <vector>

#include "model/design_inputs.h"

namespace vantrel {

struct SearchOptions {
    bool excludeDoublerPlates = false;     // drop pairs that need doubler plates
    bool excludeContinuityPlates = false;  // drop pairs that need continuity plates
    int threads = 0;                       // 0: one per hardware thread
};

// Optional hooks for a caller that shows progress or offers a Cancel button.
struct SearchControl {
    // Called on the calling thread with the beams done so far and the beam
    // count, a few hundred times per search and once more at the end.
    std::function<void(int done, int total)> progress;
    // Set from any thread to stop the search early; checked between beams.
    const std::atomic<bool>* cancel = nullptr;
};

// A pair whose calculation reports no error and passes the eight parameter
// checks, the Mf ratio, flange and web slenderness and beam shear.
struct DesignMatch {
    int beam = 0;  // shape-table index (ShapeName, ShapeAt)
    int column = 0;
    float mfRatio = 0;
    float shearUnity = 0;
    float flangeRatio = 0;  // flange slenderness ratio
    float webRatio = 0;     // web slenderness ratio
    bool doublerPlatesRequired = false;
    bool continuityPlatesRequired = false;
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
    std::vector<DesignMatch> designs;  // lightest frame first, then lightest beam
};

// Searches every pair with inputs (whose Beam and Column are ignored). The
// verdicts are those Calculate gives for the pair.
SearchResult SearchDesigns(const DesignInputs& inputs, const SearchOptions& options = {},
                           const SearchControl& control = {});

}  // namespace vantrel
