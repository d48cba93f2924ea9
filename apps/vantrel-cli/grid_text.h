#pragma once

#include <string>

#include "present/result_grids.h"

namespace vantrel::cli {

// A grid as an aligned text table: rows with any text, columns padded to the
// widest cell. Verdict cells (green or red) are coloured with ANSI escapes
// when colour is true, otherwise marked "[PASS]" or "[FAIL]".
std::string GridText(const ResultGrid& grid, bool colour);

}  // namespace vantrel::cli
