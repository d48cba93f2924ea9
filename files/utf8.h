#pragma once

#include <string_view>

namespace vantrel {

// Well-formed UTF-8 as Unicode defines it: no overlong forms, no surrogates,
// nothing above U+10FFFF, no truncated sequences.
bool IsWellFormedUtf8(std::string_view text);

}  // namespace vantrel
