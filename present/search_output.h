#pragma once
// search once it has its inputs and options: the search, its table, JSON or
// CSV, and the exit status.

#include <cstddef>
#include <string>

#include "command_output.h"
#include "model/design_inputs.h"
#include "search/search.h"

namespace vantrel {

// search's --code: "fema350", "aisc358" or "both"; false for another text.
bool ReadCode(const std::string& text, DesignCode& code);

enum class SearchFormat { Table, Json, Csv };

// Prints the table (its first limit designs), the JSON or the CSV to
// streams.out. Returns 0 when designs were found, 1 when none passes, 3 when
// an input every calculation reads gives an error (its errors on
// streams.err).
int SearchAndPrint(const DesignInputs& inputs, const SearchOptions& options, SearchFormat format,
                   size_t limit, Streams streams);

}  // namespace vantrel
