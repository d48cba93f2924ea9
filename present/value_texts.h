#pragma once
// Texts of values that more than one view shows alike: the cut's dimensions
// as the summary grid and the sketch show them.

#include <string>
#include <string_view>

#include "model/design_record.h"
#include "model/design_results.h"

namespace vantrel {

// The units that follow a value in the grids, with their three blanks.
inline constexpr std::string_view kInches = "   in.";
inline constexpr std::string_view kCubicInches = "   in\xC2\xB3";  // "in" and superscript three
inline constexpr std::string_view kFootKips = "   ft-kip";
inline constexpr std::string_view kKips = "   kip";

enum class CutDimension { A, B, C };

// a, b or c with its unit: a typed override as typed ("5.5   in."), else to
// two decimals ("4.00   in.").
std::string CutDimensionText(const DesignRecord& record, const DesignResults& results,
                             CutDimension which);

// How the dimension was found: "User input" or "From 3.900   in.".
std::string CutSourceText(const CutSource& source);

// The cut's radius R with its unit, to two decimals.
std::string RadiusText(const DesignRecord& record);

}  // namespace vantrel
