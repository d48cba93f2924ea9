#include <ostream>

#include "commands.h"
#include "design_options.h"
#include "present/calc_output.h"

namespace vantrel::cli {

int CalcCommand(const Args& args, Streams s) {
    auto options = ParseDesignOptions(args, {"--json"}, {}, s.err);
    if (!options) return kExitUsage;
    int status = 0;
    auto inputs = LoadDesignInputs(*options, s.err, status);
    if (!inputs) return status;
    return CalculateAndPrint(*inputs, HasFlag(*options, "--json"), s);
}

}  // namespace vantrel::cli
