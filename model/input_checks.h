#pragma once
// What --set accepts: exactly what the window's controls would hold. A list
// input takes one of its list's entries; a numeric input only the keys its
// field accepts and a value its field's check lets through.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "design_inputs.h"

namespace vantrel {

// Checks the given values as they stand in inputs, after every replacement
// has been made (an override's or a location's limit depends on the length
// and the beam). Returns the message of the first refused value, its input's
// name after the prefix ("--set DistDL1: ..." for the command line's options,
// "DistDL1: ..." for a batch row). An empty numeric text becomes the text the
// window's field puts in.
std::optional<std::string> CheckSetValues(
    DesignInputs& inputs, const std::vector<std::pair<std::string, std::string>>& replacements,
    std::string_view prefix = "--set ");

// The window's check of one numeric field's text before the focus may leave
// it (an override's or a location's limit taken from inputs' length and
// beam): the refusal, or nothing. An empty text becomes the text the field
// puts in. A list input's text must be one of its entries; the description
// passes.
std::optional<std::string> CheckFieldText(std::string_view name, std::string& text,
                                          const DesignInputs& inputs);

}  // namespace vantrel
