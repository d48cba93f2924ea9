#include <ostream>

#include "aisc358_output.h"
#include "commands.h"
#include "design_json.h"
#include "design_options.h"
#include "present/calc_text.h"
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
        // The current-code object joins the other fields last; its numbers are
        // the shortest texts that read back as the same doubles.
        std::string text = DesignJson(state, errors.errors).dump(1);
        text.insert(text.size() - 2, ",\n \"aisc358\": " + Aisc358Json(aisc358.result, 1));
        s.out << text << '\n';
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
