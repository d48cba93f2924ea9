#include "chain_math.h"

#include <fast_float/fast_float.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "chain_error.h"
#include "number_text.h"

namespace vantrel {

void RaiseFault(int number, const char* cause) {
    throw ChainFault{number, cause};
}

double Divide(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) RaiseFault(kErrOverflow);
    if (b == 0.0) RaiseFault(a == 0.0 ? kErrOverflow : kErrDivisionByZero);
    const double q = a / b;
    if (!std::isfinite(q)) RaiseFault(kErrOverflow);
    return q;
}

double SquareRoot(double x) {
    if (std::isnan(x)) RaiseFault(kErrOverflow);
    if (x < 0.0) RaiseFault(kErrInvalidArgument);
    return std::sqrt(x);
}

float Single(double x) {
    // Halfway between the largest float and 2^128: from there on the nearest
    // float is infinity. Checked before converting, as an out-of-range
    // conversion is undefined.
    constexpr double kFloatOverflow = 0x1.ffffffp127;
    if (!(std::fabs(x) < kFloatOverflow)) RaiseFault(kErrOverflow);
    return static_cast<float>(x);
}

double DoubleFromText(std::string_view text) {
    const ParsedNumber parsed = ParseNumber(text);
    if (parsed.status == ParseStatus::NotANumber) RaiseFault(kErrTypeMismatch);
    if (parsed.status == ParseStatus::Overflow) RaiseFault(kErrOverflow);
    return parsed.value;
}

float SingleFromText(std::string_view text) {
    return Single(DoubleFromText(text));
}

float FormatRound(double x, std::string_view pattern) {
    if (!std::isfinite(x)) RaiseFault(kErrOverflow);
    const std::string text = Format(x, pattern);
    float value = 0.0f;
    const auto parsed = fast_float::from_chars(text.data(), text.data() + text.size(), value);
    if (parsed.ec != std::errc() || !std::isfinite(value)) RaiseFault(kErrOverflow);
    return value;
}

int16_t Int16(long value) {
    if (value < INT16_MIN || value > INT16_MAX) RaiseFault(kErrOverflow);
    return static_cast<int16_t>(value);
}

}  // namespace vantrel
