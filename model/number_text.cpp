#include "number_text.h"

#include <charconv>
#include <cmath>
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

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

}  // namespace

std::string Format(double x, std::string_view pattern) {
    const PatternShape shape = ReadPattern(pattern);
    if (shape.percent) x *= 100.0;
    if (!std::isfinite(x)) return {};

    // 15 significant digits, correctly rounded: d.dddddddddddddde±XX
    char buffer[48];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, x,
                                       std::chars_format::scientific, 14);
    const char* cursor = buffer;
    const bool negative = *cursor == '-';
    if (negative) ++cursor;
    char significand[15];
    significand[0] = cursor[0];
    std::memcpy(significand + 1, cursor + 2, 14);
    int exponent = 0;
    std::from_chars(cursor + 17 + (cursor[17] == '+' ? 1 : 0), written.ptr, exponent);

    // The result as an integer of units of 10^-decimals.
    const int keep = exponent + 1 + shape.decimals;
    std::string units;
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
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(v),
                                       std::chars_format::general, 7);
    std::string text(buffer, written.ptr);
    for (char& ch : text) {
        if (ch == 'e') ch = 'E';
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
