#pragma once
// The captions of the connection sketch on the "Diagram" page, and the
// flange widths shown beside the shape lists.

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "model/design_inputs.h"
#include "model/design_record.h"
#include "model/design_results.h"

namespace vantrel {

struct SketchLabels {
    std::string beamWidth;  // "Fl. Width = 6.5\""
    std::string columnWidth;
    std::string beam;                         // beam designation
    std::string leftColumn;                   // column designation, left
    std::string rightColumn;                  // column designation, right
    std::string cutA, cutB, cutC, cutRadius;  // a, b, c and R as the summary shows them
    std::string length;                       // length text and " ft."

    bool operator==(const SketchLabels&) const = default;
};

// The labels by the names calc's JSON and the browser edition give them
// ("LblBeamWidth", "Labela", ...), in that order.
std::array<std::pair<std::string_view, const std::string*>, 10> NamedLabels(
    const SketchLabels& labels);

// The labels of a window that has just started: "Fl. Width =", "W",
// "0.0 in." and "0.0 ft.".
SketchLabels FreshSketchLabels();

// The "Fl. Width =" label of a shape: its flange width in inches.
std::string FlangeWidthLabel(const WShape& shape);

// The labels of a calculation: the shape names and flange widths, the
// length, and a, b, c and R as the summary grid shows them (empty after an
// errored run).
SketchLabels PresentLabels(const DesignInputs& inputs, const DesignRecord& record,
                           const DesignResults& results);

}  // namespace vantrel
