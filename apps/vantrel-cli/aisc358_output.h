#pragma once
// The current-code section of a calculation as the command line prints it.

#include <optional>
#include <string>

#include "current/aisc358.h"

namespace vantrel::cli {

// The basis named in the JSON.
inline constexpr const char* kAisc358Basis = "AISC 358-16, AISC 341-16, AISC 360-16 (LRFD)";

// Why a run has no current-code section: "the calculation reported an
// error", or which input keeps it from being formed (a negative axial load
// with its own sentence).
std::string NotCheckedReason(const DesignInputs& inputs, bool femaErrored);

// The fourth table: the items by group with value, limits, ratio, status and
// unit, the sums of the column and beam moments, the verdict and the
// assumptions; or why there are no items. Pass and fail statuses are
// coloured with ANSI escapes when colour is true.
std::string Aisc358Text(const std::optional<current::Aisc358Result>& result,
                        const DesignInputs& inputs, bool femaErrored, bool colour);

// The "aisc358" value of the JSON: the object, or null. Nested lines are
// indented by one blank per level, starting at depth.
std::string Aisc358Json(const std::optional<current::Aisc358Result>& result, int depth);

// The ids of the failing items, joined by ", " (or sep).
std::string FailingItems(const current::Aisc358Result& result, const char* sep = ", ");

}  // namespace vantrel::cli
