#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace vantrel {
namespace {

struct PatternShape {
    int decimals = 0;
    bool percent = false;
};

PatternShape ReadPattern(std::string_view pattern) {
    PatternShape shape;
    if (!pattern.empty() && pattern.back() == '%') {
        shape.percent = true;
        pattern.remove_suffix(1);
    }
    const auto point = pattern.find('.');
    if (point != std::string_view::npos) {
        shape.decimals = static_cast<int>(pattern.size() - point - 1);
    }
    return shape;
}

// Adds one to a string of decimal digits, growing it on a carry out.
void IncrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

__extension__ typedef unsigned __int128 Wide;

constexpr std::array<uint64_t, 20> kPowersOfTen = [] {
    std::array<uint64_t, 20> powers{};
    uint64_t value = 1;
    for (uint64_t& power : powers) {
        power = value;
        value *= 10;
    }
    return powers;
}();

constexpr uint64_t PowerOfTen(int p) {
    return kPowersOfTen[static_cast<size_t>(p)];
}

// The same rounding in double arithmetic where it is certain: with at most 9
// digits the product's error is far below the margin kept from a tie.
bool RoundQuickly(double x, int significant, uint64_t& digits, int& exponent) {
    x = std::fabs(x);
    if (!(x >= 1e-6) || x >= static_cast<double>(PowerOfTen(significant))) return false;
    // The decimal exponent, 10^e <= x < 10^(e+1), against exact powers of ten
    // (no C library logarithm: the browser build must give the same bits). A
    // product misjudged at the very edge of a decade fails the digit-count
    // check below and takes the exact path.
    int e = 0;
    if (x >= 1.0) {
        while (e + 1 < 20 && x >= static_cast<double>(PowerOfTen(e + 1))) ++e;
    } else {
        e = -1;
        while (e > -7 && x * static_cast<double>(PowerOfTen(-e)) < 1.0) --e;
    }
    const int p = significant - 1 - e;
    if (p < 0 || p > 19) return false;
    const double scaled = x * static_cast<double>(PowerOfTen(p));
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) <= 1e-3) return false;
    const uint64_t rounded = static_cast<uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    if (rounded < PowerOfTen(significant - 1) || rounded >= PowerOfTen(significant)) return false;
    digits = rounded;
    exponent = e;
    return true;
}

// Exact rounding of |x| to `significant` digits with 128-bit integers: x is
// m 2^k exactly, so x 10^p is m 10^p 2^k and the rounding is decided on the
// exact remainder. Covers 1e-6 <= |x| < 10^significant; false elsewhere.
bool RoundExactly(double x, int significant, uint64_t& digits, int& exponent) {
    x = std::fabs(x);
    if (!(x >= 1e-6) || x >= static_cast<double>(PowerOfTen(significant))) return false;
    uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    const int biasedExponent = static_cast<int>(bits >> 52);  // x is normal and positive here
    const uint64_t mantissa = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
    const int shift = 1075 - biasedExponent;  // x = mantissa / 2^shift
    const uint64_t lower = PowerOfTen(significant - 1);
    const uint64_t upper = PowerOfTen(significant);
    // floor(log10(2) (binary exponent)): the decimal exponent or one below it.
    const int binaryExponent = biasedExponent - 1023;
    int e = binaryExponent >= 0 ? (binaryExponent * 78913) >> 18
                                : -((-binaryExponent * 78913 + (1 << 18) - 1) >> 18);
    // One comparison settles it but at the very edge of a decade, which the
    // loop below corrects.
    if (e + 1 >= 0 && e + 1 < 20 && x >= static_cast<double>(PowerOfTen(e + 1))) ++e;
    if (e + 1 < 0 && e + 1 > -20 && x * static_cast<double>(PowerOfTen(-(e + 1))) >= 1.0) ++e;
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int p = significant - 1 - e;
        if (p < 0 || p > 19) return false;
        const Wide scaled = static_cast<Wide>(mantissa) * PowerOfTen(p);
        Wide quotient = scaled;
        if (shift > 0) {
            if (shift >= 127) return false;
            quotient = scaled >> shift;
            const Wide remainder = scaled - (quotient << shift);
            const Wide half = static_cast<Wide>(1) << (shift - 1);
            if (remainder > half || (remainder == half && (quotient & 1) != 0)) ++quotient;
        } else if (shift < 0) {
            if (-shift > 60) return false;
            quotient = scaled << -shift;
        }
        if (quotient >= upper) {
            ++e;
        } else if (quotient < lower) {
            --e;
        } else {
            digits = static_cast<uint64_t>(quotient);
            exponent = e;
            return true;
        }
    }
    return false;
}

// round(|x| 10^p) without the exact path, when the answer is certain: the
// scaled value is below 1e12 (so a 15-digit text of x moves it by under
// 0.005) and more than 0.01 away from a half (so neither that text nor the
// rounding of the product can put it on the other side). False otherwise.
bool RoundScaledQuickly(double x, int p, uint64_t& rounded) {
    if (p < 0 || p > 19) return false;
    const double scaled = std::fabs(x) * static_cast<double>(PowerOfTen(p));
    if (!(scaled < 1e12)) return false;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) <= 0.01) return false;
    rounded = static_cast<uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    return true;
}

void WriteDigits(uint64_t value, std::string& out) {
    char buffer[24];
    char* end = buffer + sizeof buffer;
    char* cursor = end;
    do {
        *--cursor = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    out.assign(cursor, end);
}

}  // namespace

SignificantDigits RoundToSignificant(double x, int significant) {
    SignificantDigits result;
    if (x == 0.0) {
        result.digits.assign(static_cast<size_t>(significant), '0');
        return result;
    }
    uint64_t digits = 0;
    if (significant <= 9 && RoundQuickly(x, significant, digits, result.exponent)) {
        WriteDigits(digits, result.digits);
        return result;
    }
    if (RoundExactly(x, significant, digits, result.exponent)) {
        result.digits.resize(static_cast<size_t>(significant));
        for (auto it = result.digits.rbegin(); it != result.digits.rend(); ++it) {
            *it = static_cast<char>('0' + digits % 10);
            digits /= 10;
        }
        return result;
    }
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                       std::chars_format::scientific, significant - 1);
    const std::string_view text(buffer, static_cast<size_t>(written.ptr - buffer));
    const size_t e = text.find('e');
    result.digits.reserve(static_cast<size_t>(significant));
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.') result.digits += text[i];
    const char* exponentStart = text.data() + e + 1;
    if (*exponentStart == '+') ++exponentStart;
    std::from_chars(exponentStart, text.data() + text.size(), result.exponent);
    return result;
}

std::string Format(double x, std::string_view pattern) {
    const PatternShape shape = ReadPattern(pattern);
    if (shape.percent) x *= 100.0;
    if (!std::isfinite(x)) return {};

    const bool negative = std::signbit(x);
    // The result as an integer of units of 10^-decimals.
    std::string units;
    uint64_t quick = 0;
    if (RoundScaledQuickly(x, shape.decimals, quick)) {
        WriteDigits(quick, units);
    } else {
        const SignificantDigits rounded = RoundToSignificant(x, 15);
        const char* significand = rounded.digits.data();
        const int keep = rounded.exponent + 1 + shape.decimals;
        if (keep < 0) {
            units = "0";
        } else if (keep == 0) {
            units = significand[0] >= '5' ? "1" : "0";
        } else if (keep >= 15) {
            units.assign(significand, 15);
            units.append(static_cast<size_t>(keep - 15), '0');
        } else {
            units.assign(significand, static_cast<size_t>(keep));
            if (significand[keep] >= '5') IncrementDigits(units);
        }
    }
    const auto first = units.find_first_not_of('0');
    const bool isZero = first == std::string::npos;
    units.erase(0, isZero ? units.size() : first);
    const auto decimals = static_cast<size_t>(shape.decimals);
    if (units.size() <= decimals) units.insert(0, decimals + 1 - units.size(), '0');

    std::string text;
    text.reserve(units.size() + 4);
    if (negative && !isZero) text += '-';
    text.append(units, 0, units.size() - decimals);
    if (decimals > 0) {
        text += '.';
        text.append(units, units.size() - decimals, decimals);
    }
    if (shape.percent) text += '%';
    return text;
}

std::string ValueText(float v) {
    if (!std::isfinite(v)) return {};
    if (v == 0.0f) return "0";
    // As printf's "%.7G": 7 significant digits, exponent form below 1E-04 and
    // from 1E+07, trailing zeros removed.
    const SignificantDigits rounded = RoundToSignificant(v, 7);
    std::string digits = rounded.digits;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int e = rounded.exponent;
    std::string text;
    if (v < 0) text += '-';
    if (e < -4 || e >= 7) {
        text += digits[0];
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1);
        }
        text += e < 0 ? "E-" : "E+";
        const int magnitude = e < 0 ? -e : e;
        if (magnitude < 10) text += '0';
        text += std::to_string(magnitude);
    } else if (e >= 0) {
        const auto integerDigits = static_cast<size_t>(e + 1);
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, integerDigits);
            text += '.';
            text.append(digits, integerDigits);
        }
    } else {
        text += "0.";
        text.append(static_cast<size_t>(-e - 1), '0');
        text += digits;
    }
    return text;
}

ParsedNumber ParseNumber(std::string_view text) {
    ParsedNumber result;
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);

    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t numberStart = i;
    int integerDigits = 0;
    int fractionDigits = 0;
    bool seenNonzero = false;
    int firstNonzeroPosition = 0;  // decimal position of the first nonzero digit
    while (i < text.size() && IsDigit(text[i])) {
        if (text[i] != '0' && !seenNonzero) {
            seenNonzero = true;
            firstNonzeroPosition = integerDigits;
        }
        ++integerDigits;
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            if (text[i] != '0' && !seenNonzero) {
                seenNonzero = true;
                firstNonzeroPosition = integerDigits + fractionDigits;
            }
            ++fractionDigits;
            ++i;
        }
    }
    if (integerDigits + fractionDigits == 0) return result;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool exponentNegative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            exponentNegative = text[i] == '-';
            ++i;
        }
        if (i >= text.size() || !IsDigit(text[i])) return result;
        while (i < text.size() && IsDigit(text[i])) {
            if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (exponentNegative) exponent = -exponent;
    }
    if (i != text.size()) return result;

    if (!seenNonzero) {
        result.status = ParseStatus::Ok;
        result.value = 0.0;
        return result;
    }
    // Order of magnitude of the value: the digit at firstNonzeroPosition has
    // the power integerDigits - 1 - firstNonzeroPosition + exponent.
    const long magnitude = integerDigits - 1 - firstNonzeroPosition + exponent;
    if (magnitude > 400) {
        result.status = ParseStatus::Overflow;
        return result;
    }
    if (magnitude < -400) {
        result.status = ParseStatus::Ok;
        result.value = 0.0;
        return result;
    }

    // from_chars accepts neither a leading '+' nor blanks; both are gone here.
    std::string_view digits = text.substr(numberStart);
    double value = 0.0;
    const auto parsed = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        if (magnitude > 0) {
            result.status = ParseStatus::Overflow;
            return result;
        }
        value = 0.0;
    } else if (parsed.ec != std::errc() || parsed.ptr != digits.data() + digits.size()) {
        return result;
    }
    result.status = ParseStatus::Ok;
    result.value = negative ? -value : value;
    return result;
}

}  // namespace vantrel
