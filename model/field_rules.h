#pragma once
// The rules of the numeric input fields: which typed characters they take,
// the check made before the focus may leave them, and the text they show
// once it has left. Each check may rewrite an empty text and returns the
// message that refuses the text, or nothing when the focus may leave.

#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

using Refusal = std::optional<std::string>;

// Digits, ".", "-" and backspace; everything else typed is discarded (a
// minus sign reaches the check, which refuses a negative value).
bool AcceptsTypedCharacter(char32_t c);

Refusal CheckLengthText(std::string& text);
Refusal CheckHeightText(std::string& text);
// The a and b limits are 15% and 20% of the current length (ft) in inches.
Refusal CheckOverrideAText(std::string& text, std::string_view lengthText);
Refusal CheckOverrideBText(std::string& text, std::string_view lengthText);
// The c limit is half the flange width of the named beam.
Refusal CheckOverrideCText(std::string& text, std::string_view beamName);

// The column's factored axial load Puc: not negative, at most 10000 kip.
Refusal CheckAxialLoadText(std::string& text);

// Gravity loads: every load at most 100; a location at most the length.
Refusal CheckLoadText(std::string& text);
Refusal CheckLocationText(std::string& text, std::string_view lengthText);

// The pattern of a numeric input's text once the focus has left its field,
// by project-file name: "0.00" for the length and the load locations, "0.000"
// for the height, the overrides, the loads and the column axial load; empty
// for an input without a numeric field.
std::string_view FieldPattern(std::string_view name);

// The text formatted with the pattern ("0.00", "0.000"); a text that is not
// a number stays as it is.
std::string FormatFieldText(std::string_view text, std::string_view pattern);

}  // namespace vantrel
