#include "sketch_labels.h"

#include "model/number_text.h"
#include "value_texts.h"

namespace vantrel {

SketchLabels FreshSketchLabels() {
    SketchLabels labels;
    labels.LblBeamWidth = labels.LblColumnWidth = "Fl. Width =";
    labels.Labela = labels.Labelb = labels.Labelc = labels.Labelr = "0.0 in.";
    labels.LabelLength = "0.0 ft.";
    labels.Labelbeam = labels.Labelcolumn1 = labels.Labelcolumn2 = "W";
    return labels;
}

std::string FlangeWidthLabel(const WShape& shape) {
    return "Fl. Width = " + ValueText(shape.bf) + "\"";
}

SketchLabels PresentLabels(const DesignInputs& inputs, const DesignRecord& r,
                           const DesignResults& results) {
    SketchLabels labels;
    labels.Labelbeam = inputs.Beam;
    labels.Labelcolumn1 = labels.Labelcolumn2 = inputs.Column;
    labels.LblBeamWidth = FlangeWidthLabel(r.Beam);
    labels.LblColumnWidth = FlangeWidthLabel(r.Column);
    labels.LabelLength = inputs.Length + " ft.";
    // No dimension is shown that a failed step may have left as a placeholder.
    if (results.errored) return labels;
    labels.Labela = CutDimensionText(r, results, CutDimension::A);
    labels.Labelb = CutDimensionText(r, results, CutDimension::B);
    labels.Labelc = CutDimensionText(r, results, CutDimension::C);
    labels.Labelr = RadiusText(r);
    return labels;
}

}  // namespace vantrel
