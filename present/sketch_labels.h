#pragma once
// The captions of the connection sketch on the "Diagram" page, and the
// flange widths shown beside the shape lists.

#include <string>

#include "model/design_inputs.h"
#include "model/design_record.h"
#include "model/design_results.h"

namespace vantrel {

struct SketchLabels {
    std::string LblBeamWidth;  // "Fl. Width = 6.5\""
    std::string LblColumnWidth;
    std::string Labelbeam;                       // beam designation
    std::string Labelcolumn1;                    // column designation, left
    std::string Labelcolumn2;                    // column designation, right
    std::string Labela, Labelb, Labelc, Labelr;  // a, b, c and R as the summary shows them
    std::string LabelLength;                     // length text and " ft."

    bool operator==(const SketchLabels&) const = default;
};

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
