#pragma once
// How many gravity loads of each kind a design holds: three distributed and
// three point loads, each with a dead and a live part (and a location for
// the point loads).

namespace vantrel {

inline constexpr int kLoadCount = 3;

}  // namespace vantrel
