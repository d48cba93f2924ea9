#pragma once
// Number <-> text conversions used by every value the program stores or shows.
// They are deterministic on every machine: no locale, no platform printf.

#include <string>
#include <string_view>

namespace vantrel {

// Fixed-decimal text of x for the patterns "0.0", "0.00", "0.000" and their
// percent forms "0.0%", "0.00%" (x multiplied by 100 first). x is first written
// with 15 significant digits, correctly rounded; that decimal text is then
// rounded half away from zero to the pattern's decimals. A result that rounds
// to zero carries no minus sign. A non-finite x gives the empty text.
std::string Format(double x, std::string_view pattern);

// The shortest text of a single-precision value: 7 significant digits,
// correctly rounded, trailing zeros and a bare point removed ("1.15", "50",
// "0.5", "1E-05"); negative zero gives "0".
std::string ValueText(float v);

// The shortest text that reads back as the same double (float), as C++'s
// std::to_chars writes it without a format: the fixed or the exponent form,
// whichever is shorter ("0.1395", "4", "1e-05", "1.5e+20", "-2"). A
// non-finite x gives the empty text.
std::string ShortestText(double x);
std::string ShortestText(float x);

// The decimal digits of |x| correctly rounded to `significant` digits (ties
// to even, as printf does) and the power of ten of the first one:
// 26.875 with 4 digits gives "2688" and 1. x must be finite.
struct SignificantDigits {
    std::string digits;
    int exponent = 0;
};
SignificantDigits RoundToSignificant(double x, int significant);

enum class ParseStatus { Ok, NotANumber, Overflow };

struct ParsedNumber {
    ParseStatus status = ParseStatus::NotANumber;
    double value = 0.0;
    bool ok() const { return status == ParseStatus::Ok; }
};

// Text to number: optional blanks around, optional sign, digits with at most
// one decimal point (at least one digit), optional exponent. Nothing else;
// the empty text is not a number; a value beyond the double range overflows.
ParsedNumber ParseNumber(std::string_view text);

// True when the text is a number by the rule above.
inline bool IsNumeric(std::string_view text) {
    return ParseNumber(text).ok();
}

}  // namespace vantrel
