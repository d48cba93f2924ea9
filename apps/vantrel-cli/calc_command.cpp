#include <ostream>

#include "commands.h"
#include "design_options.h"
#include "present/calc_text.h"
#include "present/design_json.h"
#include "present/design_state.h"
#include "present/verdict_cells.h"

namespace vantrel::cli {

int CalcCommand(const Args& args, Streams s) {
    auto options = ParseDesignOptions(args, {"--json"}, {}, s.err);
    if (!options) return kExitUsage;
    int status = 0;
    auto inputs = LoadDesignInputs(*options, s.err, status);
    if (!inputs) return status;
    return CalculateAndPrint(*inputs, HasFlag(*options, "--json"), s);
}

int CalculateAndPrint(const DesignInputs& inputs, bool json, Streams s) {
    DesignState state;
    CollectingErrorSink errors;
    Calculate(state, inputs, errors);

    const auto verdicts = ReadVerdicts(state.results);
    const Aisc358Section aisc358 = EvaluateSection(inputs, state.record, !errors.errors.empty());
    if (json) {
        s.out << CalcJson(state, aisc358, errors.errors);
    } else {
        s.out << CalcText(state, aisc358, errors.errors, s.colour);
    }
    if (!errors.errors.empty()) return kExitCalculationError;
    for (const VerdictResult& v : verdicts)
        if (v.state != VerdictState::Pass) return kExitCheckFails;
    // A current-code verdict that fails or could not be reached is no pass.
    if (!aisc358.result || !aisc358.result->pass) return kExitCheckFails;
    return kExitPass;
}

}  // namespace vantrel::cli
