#pragma once

#include <optional>
#include <string>

namespace vantrel {

// The shortest text that reads back as the same double ("4", "0.1395"), or
// "null" for an absent or non-finite value: no NaN or infinity ever reaches
// JSON or CSV output.
std::string ShortestDoubleText(std::optional<double> value);

}  // namespace vantrel
