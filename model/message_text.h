#pragma once
// What a message may show of a text it was given (a path, a column name, a
// cell, an argument): at most 80 characters, the rest cut and marked "…",
// and no byte that could act on a terminal. Control characters (C0, DEL,
// C1) and bytes that are not well-formed UTF-8 are shown escaped as \x1b.

#include <string>
#include <string_view>

namespace vantrel {

inline constexpr size_t kMessageTextCharacters = 80;

std::string MessageText(std::string_view given);

// The length of the well-formed UTF-8 character at the start of text (no
// overlong form, surrogate or code point above U+10FFFF, none cut short), or
// 0; text is not empty.
size_t Utf8SequenceLength(std::string_view text);

}  // namespace vantrel
