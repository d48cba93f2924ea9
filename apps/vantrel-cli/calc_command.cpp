#include <ostream>

#include "aisc358_output.h"
#include "checks/design.h"
#include "checks/verdict_cells.h"
#include "commands.h"
#include "design_json.h"
#include "design_options.h"
#include "grid_text.h"

namespace vantrel::cli {
namespace {

using Aisc358Section = std::optional<current::Aisc358Result>;

void PrintText(const DesignState& state, const DesignInputs& inputs,
               const std::vector<ChainError>& errors, const Aisc358Section& aisc358, Streams s) {
    s.out << "Calculated values\n" << GridText(state.grids.summary, s.colour) << '\n';
    s.out << "Design checks\n" << GridText(state.grids.checks, s.colour) << '\n';
    s.out << "Beam and column parameters\n" << GridText(state.grids.parameters, s.colour) << '\n';
    s.out << Aisc358Text(aisc358, inputs, !errors.empty(), s.colour) << '\n';
    for (const ChainError& e : errors) {
        s.out << "Error " << e.number << " (" << e.description << ") in " << e.procedure << " of "
              << e.module << '\n';
        if (!e.cause.empty()) s.out << e.cause << '\n';
    }
}

void PrintSummary(const std::vector<VerdictResult>& verdicts, size_t errorCount,
                  const Aisc358Section& aisc358, Streams s) {
    int pass = 0;
    std::string failed;
    std::string missing;
    for (const VerdictResult& v : verdicts) {
        if (v.state == VerdictState::Pass) ++pass;
        if (v.state == VerdictState::Fail)
            failed += (failed.empty() ? "" : ", ") + std::string(v.cell->name);
        if (v.state == VerdictState::Missing)
            missing += (missing.empty() ? "" : ", ") + std::string(v.cell->name);
    }
    s.out << "Summary: " << pass << " of " << verdicts.size() << " checks pass";
    if (!failed.empty()) s.out << "; failing: " << failed;
    if (!missing.empty()) s.out << "; not checked: " << missing;
    if (errorCount > 0) s.out << "; " << errorCount << " calculation error(s)";
    if (!aisc358) {
        s.out << "; AISC 358-16 not checked";
    } else if (aisc358->pass) {
        s.out << "; AISC 358-16 passes";
    } else {
        s.out << "; AISC 358-16 fails: " << FailingItems(*aisc358);
    }
    s.out << '\n';
}

}  // namespace

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

    const Aisc358Section aisc358 =
        current::EvaluateAisc358(inputs, state.record, !errors.errors.empty());
    if (json) {
        // The current-code object joins the other fields last; its numbers are
        // the shortest texts that read back as the same doubles.
        std::string text = DesignJson(state, errors.errors).dump(1);
        text.insert(text.size() - 2, ",\n \"aisc358\": " + Aisc358Json(aisc358, 1));
        s.out << text << '\n';
    } else {
        PrintText(state, inputs, errors.errors, aisc358, s);
        PrintSummary(ReadVerdicts(state.results), errors.errors.size(), aisc358, s);
    }
    return CalculationStatus(state, errors.errors, aisc358);
}

int CalculationStatus(const DesignState& state, const std::vector<ChainError>& errors,
                      const std::optional<current::Aisc358Result>& aisc358) {
    if (!errors.empty()) return kExitCalculationError;
    for (const VerdictResult& v : ReadVerdicts(state.results))
        if (v.state != VerdictState::Pass) return kExitCheckFails;
    // A current-code verdict that fails or could not be reached is no pass.
    if (!aisc358 || !aisc358->pass) return kExitCheckFails;
    return kExitPass;
}

}  // namespace vantrel::cli
