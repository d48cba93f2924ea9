#pragma once
// batch's cells on their way in and out: a row's cells checked by the rules
// of --set before anything is calculated, and an input cell echoed into the
// results so that a spreadsheet shows it as the text it was.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/design_inputs.h"

namespace vantrel {

// The inputs of one row: a new design's, each column's input replaced by its
// cell, checked once the whole row is read (a location's limit depends on
// the length). An empty numeric cell keeps the input's default, as a missing
// column does; an empty list cell (Beam, Column, Grade, FRAMETYPE, ...) is
// refused like any text that is not an entry. Returns the refusal as
// "line N, column NAME: " followed by the rule's message, or nothing.
std::optional<std::string> ReadRowInputs(const std::vector<const InputField*>& columns,
                                         const std::vector<std::string>& cells, uint64_t line,
                                         DesignInputs& inputs);

// An input cell as the results CSV echoes it (before CSV quoting): NULs and
// bytes that are not well-formed UTF-8 become U+FFFD, and a cell starting
// with =, +, -, @, a tab or a carriage return gets a leading apostrophe, so
// that a spreadsheet shows text rather than run a formula.
std::string EchoedCell(std::string_view cell);

}  // namespace vantrel
