#include <ostream>

#include "checks/design.h"
#include "checks/verdict_cells.h"
#include "commands.h"
#include "design_json.h"
#include "design_options.h"
#include "grid_text.h"

namespace vantrel::cli {
namespace {

void PrintText(const DesignState& state, const std::vector<ChainError>& errors, Streams s) {
    s.out << "Calculated values\n" << GridText(state.grids.summary, s.colour) << '\n';
    s.out << "Design checks\n" << GridText(state.grids.checks, s.colour) << '\n';
    s.out << "Beam and column parameters\n" << GridText(state.grids.parameters, s.colour) << '\n';
    for (const ChainError& e : errors) {
        s.out << "Error " << e.number << " (" << e.description << ") in " << e.procedure << " of "
              << e.module << '\n';
    }
}

void PrintSummary(const std::vector<VerdictResult>& verdicts, size_t errorCount, Streams s) {
    int pass = 0;
    std::string failed;
    std::string missing;
    for (const VerdictResult& v : verdicts) {
        if (v.state == VerdictState::Pass) ++pass;
        if (v.state == VerdictState::Fail) failed += (failed.empty() ? "" : ", ") + std::string(v.cell->name);
        if (v.state == VerdictState::Missing)
            missing += (missing.empty() ? "" : ", ") + std::string(v.cell->name);
    }
    s.out << "Summary: " << pass << " of " << verdicts.size() << " checks pass";
    if (!failed.empty()) s.out << "; failing: " << failed;
    if (!missing.empty()) s.out << "; not checked: " << missing;
    if (errorCount > 0) s.out << "; " << errorCount << " calculation error(s)";
    s.out << '\n';
}

}  // namespace

int CalcCommand(const Args& args, Streams s) {
    auto options = ParseDesignOptions(args, {"--json"}, {}, s.err);
    if (!options) return kExitUsage;
    int status = 0;
    auto inputs = LoadDesignInputs(*options, s.err, status);
    if (!inputs) return status;

    DesignState state;
    CollectingErrorSink errors;
    Calculate(state, *inputs, errors);

    const auto verdicts = ReadVerdicts(state.grids);
    if (HasFlag(*options, "--json")) {
        s.out << DesignJson(state, errors.errors).dump(1) << '\n';
    } else {
        PrintText(state, errors.errors, s);
        PrintSummary(verdicts, errors.errors.size(), s);
    }
    if (!errors.errors.empty()) return kExitCalculationError;
    for (const VerdictResult& v : verdicts)
        if (v.state != VerdictState::Pass) return kExitCheckFails;
    return kExitPass;
}

}  // namespace vantrel::cli
