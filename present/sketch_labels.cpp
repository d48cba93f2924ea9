#include "sketch_labels.h"

#include "model/number_text.h"
#include "value_texts.h"

namespace vantrel {

std::array<std::pair<std::string_view, const std::string*>, 10> NamedLabels(
    const SketchLabels& labels) {
    return {{{"LblBeamWidth", &labels.beamWidth},
             {"LblColumnWidth", &labels.columnWidth},
             {"Labelbeam", &labels.beam},
             {"Labelcolumn1", &labels.leftColumn},
             {"Labelcolumn2", &labels.rightColumn},
             {"Labela", &labels.cutA},
             {"Labelb", &labels.cutB},
             {"Labelc", &labels.cutC},
             {"Labelr", &labels.cutRadius},
             {"LabelLength", &labels.length}}};
}

SketchLabels FreshSketchLabels() {
    SketchLabels labels;
    labels.beamWidth = labels.columnWidth = "Fl. Width =";
    labels.cutA = labels.cutB = labels.cutC = labels.cutRadius = "0.0 in.";
    labels.length = "0.0 ft.";
    labels.beam = labels.leftColumn = labels.rightColumn = "W";
    return labels;
}

std::string FlangeWidthLabel(const WShape& shape) {
    return "Fl. Width = " + ValueText(shape.bf) + "\"";
}

SketchLabels PresentLabels(const DesignInputs& inputs, const DesignRecord& r,
                           const DesignResults& results) {
    SketchLabels labels;
    labels.beam = inputs.Beam;
    labels.leftColumn = labels.rightColumn = inputs.Column;
    labels.beamWidth = FlangeWidthLabel(r.Beam);
    labels.columnWidth = FlangeWidthLabel(r.Column);
    labels.length = inputs.Length + " ft.";
    // No dimension is shown that a failed step may have left as a placeholder.
    if (results.errored) return labels;
    labels.cutA = CutDimensionText(r, results, CutDimension::A);
    labels.cutB = CutDimensionText(r, results, CutDimension::B);
    labels.cutC = CutDimensionText(r, results, CutDimension::C);
    labels.cutRadius = RadiusText(r);
    return labels;
}

}  // namespace vantrel
