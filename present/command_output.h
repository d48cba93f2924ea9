#pragma once
// What the calculating commands (calc, search, batch) share: where they
// write, and the exit statuses they return. The command line and the
// browser edition run the same commands and return the same statuses.

#include <iosfwd>

namespace vantrel {

enum ExitStatus : int {
    kExitPass = 0,
    kExitCheckFails = 1,
    kExitUsage = 2,
    kExitCalculationError = 3,
    kExitFileError = 4,
};

struct Streams {
    std::ostream& out;
    std::ostream& err;
    bool colour = false;  // out is a terminal
};

}  // namespace vantrel
