#pragma once
// The captions of the connection sketch on the "Diagram" page.

#include <string>

namespace vantrel {

struct SketchLabels {
    std::string LblBeamWidth;  // "Fl. Width = 6.5\""
    std::string LblColumnWidth;
    std::string Labelbeam;                       // beam designation
    std::string Labelcolumn1;                    // column designation, left
    std::string Labelcolumn2;                    // column designation, right
    std::string Labela, Labelb, Labelc, Labelr;  // copies of the a, b, c, R value texts
    std::string LabelLength;                     // length text and " ft."

    bool operator==(const SketchLabels&) const = default;
};

}  // namespace vantrel
