#pragma once
// The grey of values and verdicts that no longer match the inputs: the
// window's own colour, never one of a result.

#include "present/result_grid.h"

namespace vantrel {

inline constexpr Rgb kStaleGrey = 0xC8C8C8;

}  // namespace vantrel
