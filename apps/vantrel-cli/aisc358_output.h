#pragma once
// The current-code section of a calculation as the command line prints it.

#include <optional>
#include <string>

#include "current/aisc358.h"
#include "present/aisc358_section.h"

namespace vantrel::cli {

// The fourth table: the items by group with value, limits, ratio, status and
// unit, the sums of the column and beam moments, the verdict and the
// assumptions; or why there are no items. Pass and fail statuses are
// coloured with ANSI escapes when colour is true.
std::string Aisc358Text(const Aisc358Section& section, bool colour);

// The "aisc358" value of the JSON: the object, or null. Nested lines are
// indented by one blank per level, starting at depth.
std::string Aisc358Json(const std::optional<current::Aisc358Result>& result, int depth);

}  // namespace vantrel::cli
