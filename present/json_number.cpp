#include "json_number.h"

#include <cmath>

#include "model/number_text.h"

namespace vantrel {

std::string ShortestDoubleText(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) return "null";
    // A negative zero reads back as the same double, but no text shows "-0".
    const double number = *value == 0.0 ? 0.0 : *value;
    return ShortestText(number);
}

}  // namespace vantrel
