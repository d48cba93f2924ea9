#include "json_number.h"

#include <charconv>
#include <cmath>

namespace vantrel::cli {

std::string ShortestDoubleText(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) return "null";
    // A negative zero reads back as the same double, but no text shows "-0".
    const double number = *value == 0.0 ? 0.0 : *value;
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, number);
    return std::string(buffer, written.ptr);
}

}  // namespace vantrel::cli
