#pragma once
// The current-code section of a calculation in calc's JSON.

#include <optional>
#include <string>

#include "current/aisc358.h"
#include "present/aisc358_section.h"

namespace vantrel::cli {

// The "aisc358" value of the JSON: the object, or null. Nested lines are
// indented by one blank per level, starting at depth.
std::string Aisc358Json(const std::optional<current::Aisc358Result>& result, int depth);

}  // namespace vantrel::cli
