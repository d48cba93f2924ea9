#include "json_number.h"

#include <charconv>
#include <cmath>

namespace vantrel::cli {

std::string ShortestDoubleText(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) return "null";
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, *value);
    return std::string(buffer, written.ptr);
}

}  // namespace vantrel::cli
