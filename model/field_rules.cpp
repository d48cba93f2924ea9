#include "field_rules.h"

#include <cmath>
#include <limits>

#include "model/design_inputs.h"
#include "model/message_text.h"
#include "model/number_text.h"
#include "model/shape_table.h"

namespace vantrel {
namespace {

constexpr int kFlangeWidthField = 8;

std::string NotNumericMessage(const std::string& text) {
    return "Not a valid numeric format (" + MessageText(text) + ")";
}

// Single precision as the original compares it; a value beyond the float
// range compares as infinite instead of being converted.
float Single(double value) {
    constexpr double kMax = std::numeric_limits<float>::max();
    if (value > kMax) return std::numeric_limits<float>::infinity();
    if (value < -kMax) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

// A length text that is not a number (a project file can put one in) gives
// no room at all: every positive override or location is refused.
// So is a length beyond the float range, which the length field never lets
// through.
double LengthValue(std::string_view lengthText) {
    const ParsedNumber length = ParseNumber(lengthText);
    if (!length.ok() || !(std::abs(length.value) <= std::numeric_limits<float>::max())) return 0.0;
    return length.value;
}

// Empty text becomes emptyText; returns the number or the refusal.
std::optional<double> NumberOf(std::string& text, const char* emptyText, Refusal& refusal) {
    if (text.empty()) text = emptyText;
    const ParsedNumber number = ParseNumber(text);
    if (!number.ok()) {
        refusal = NotNumericMessage(text);
        return std::nullopt;
    }
    return number.value;
}

// The refusals of a field name it by its caption, as in "<caption> cannot be
// greater than 50 ft." and "<caption> cannot be negative.".
std::string Negative(std::string_view caption) {
    return std::string(caption) + " cannot be negative.";
}

// Not a number, negative ("-0" is 0), or beyond the field's limit.
Refusal CheckValue(std::string& text, const char* emptyText, std::string_view caption,
                   bool beyondLimit(double value, double limit), double limit,
                   const std::string& beyondMessage) {
    Refusal refusal;
    const std::optional<double> value = NumberOf(text, emptyText, refusal);
    if (!value) return refusal;
    if (*value < 0.0) return Negative(caption);
    if (beyondLimit(*value, limit)) return beyondMessage;
    return std::nullopt;
}

bool Above(double value, double limit) {
    return value > limit;
}

// Compared in single precision.
bool SingleAbove(double value, double limit) {
    return Single(value) > Single(limit);
}

// "<caption> cannot be greater than <limitText>".
Refusal CheckUpTo(std::string& text, const char* emptyText, double limit, std::string_view caption,
                  std::string_view limitText) {
    return CheckValue(text, emptyText, caption, Above, limit,
                      std::string(caption) + " cannot be greater than " + std::string(limitText));
}

}  // namespace

bool AcceptsTypedCharacter(char32_t c) {
    return (c >= U'0' && c <= U'9') || c == U'.' || c == U'-' || c == U'\b';
}

Refusal CheckLengthText(std::string& text) {
    return CheckUpTo(text, "0.00", 50.0, "\"Beam Length\"", "50 ft.");
}

Refusal CheckHeightText(std::string& text) {
    return CheckUpTo(text, "0.00", 35.0, "Frame height", "35 ft.");
}

Refusal CheckOverrideAText(std::string& text, std::string_view lengthText) {
    return CheckUpTo(text, "0.000", LengthValue(lengthText) * 0.15 * 12.0, "The a dimension",
                     "15% of the beam's length.");
}

Refusal CheckOverrideBText(std::string& text, std::string_view lengthText) {
    return CheckUpTo(text, "0.000", LengthValue(lengthText) * 0.20 * 12.0, "The b dimension",
                     "20% of the beam's length.");
}

Refusal CheckOverrideCText(std::string& text, std::string_view beamName) {
    const ParsedNumber bf = ParseNumber(GetField(ShapeRow(beamName), kFlangeWidthField));
    return CheckValue(text, "0.000", "The c dimension", SingleAbove,
                      (bf.ok() ? bf.value : 0.0) * 0.5,
                      "The c dimension cannot be greater than 1/2 of the beam's flange.");
}

Refusal CheckAxialLoadText(std::string& text) {
    return CheckUpTo(text, "0.000", 10000.0, "The column axial load", "10000 kip.");
}

Refusal CheckLoadText(std::string& text) {
    return CheckUpTo(text, "0.000", 100.0, "Dead Load", "100 k/ft.");
}

Refusal CheckLocationText(std::string& text, std::string_view lengthText) {
    return CheckValue(text, "0.000", "Point load location", SingleAbove, LengthValue(lengthText),
                      "Point load can not occur outside of the the beam!");
}

std::string_view FieldPattern(std::string_view name) {
    if (name == "Length") return "0.00";
    if (name == "Height" || name == "ORA" || name == "ORB" || name == "ORC") return "0.000";
    for (const InputField& field : kInputFields) {
        if (field.name != name) continue;
        switch (field.kind) {
            case InputKind::Load:
            case InputKind::AxialLoad:
                return "0.000";
            case InputKind::Location:
                return "0.00";
            case InputKind::Text:
                break;
        }
    }
    return {};
}

std::string FormatFieldText(std::string_view text, std::string_view pattern) {
    const ParsedNumber number = ParseNumber(text);
    if (!number.ok()) return std::string(text);
    return Format(number.value, pattern);
}

}  // namespace vantrel
