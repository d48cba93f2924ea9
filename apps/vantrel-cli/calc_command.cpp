#include <ostream>

#include "commands.h"
#include "design_options.h"
#include "present/calc_output.h"

namespace vantrel::cli {

int CalcCommand(const ParsedCommand& command, Streams s) {
    const auto options = DesignOptionsOf(command, 0, s.err);
    if (!options) return kExitUsage;
    int status = 0;
    auto inputs = LoadDesignInputs(*options, s.err, status);
    if (!inputs) return status;
    return CalculateAndPrint(*inputs, command.Has("--json"), s);
}

}  // namespace vantrel::cli
