#include "value_texts.h"

#include "model/number_text.h"

namespace vantrel {

std::string CutDimensionText(const DesignRecord& r, const DesignResults& results,
                             CutDimension which) {
    const size_t i = static_cast<size_t>(which);
    const float value = which == CutDimension::A ? r.a : which == CutDimension::B ? r.b : r.c;
    const std::string number = results.cut[i].userInput ? ValueText(value) : Format(value, "0.00");
    return number + std::string(kInches);
}

std::string CutSourceText(const CutSource& source) {
    if (source.userInput) return "User input";
    return "From " + Format(source.product, "0.000") + std::string(kInches);
}

std::string RadiusText(const DesignRecord& r) {
    return Format(r.R, "0.00") + std::string(kInches);
}

}  // namespace vantrel
