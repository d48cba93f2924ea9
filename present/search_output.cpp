#include "search_output.h"

#include <ostream>

#include "current/aisc358.h"
#include "design_state.h"
#include "search_rows.h"

namespace vantrel {
namespace {

// Why nothing can pass: the errors of one calculation of the design as given.
void ExplainInputError(const DesignInputs& inputs, std::ostream& err) {
    DesignState state;
    CollectingErrorSink errors;
    CalculateAndPresent(state, inputs, errors);
    err << "vantrel-cli: every pair reports a calculation error";
    for (const ChainError& e : errors.errors) {
        err << "; Error " << e.number << " (" << e.description << ") in " << e.procedure;
    }
    err << '\n';
}

}  // namespace

bool ReadCode(const std::string& text, DesignCode& code) {
    if (text == "fema350") {
        code = DesignCode::Fema350;
    } else if (text == "aisc358") {
        code = DesignCode::Aisc358;
    } else if (text == "both") {
        code = DesignCode::Both;
    } else {
        return false;
    }
    return true;
}

int SearchAndPrint(const DesignInputs& inputs, const SearchOptions& searchOptions,
                   SearchFormat format, size_t limit, Streams s) {
    const SearchResult result = SearchDesigns(inputs, searchOptions);
    if (format == SearchFormat::Json) {
        s.out << SearchJson(result);
    } else if (format == SearchFormat::Csv) {
        s.out << SearchCsv(result);
    } else {
        s.out << SearchTable(result, limit, searchOptions.code != DesignCode::Fema350);
    }
    if (result.inputError) {
        ExplainInputError(inputs, s.err);
        return kExitCalculationError;
    }
    if (result.axialLoadError && searchOptions.code != DesignCode::Fema350) {
        s.err << "vantrel-cli: the column axial load '" << inputs.ColumnAxialLoad << "' is "
              << (current::ReadAxialLoad(inputs.ColumnAxialLoad).negative ? "negative"
                                                                          : "not a number")
              << ": no pair has current-code results\n";
        return kExitCalculationError;
    }
    return result.designs.empty() ? kExitCheckFails : kExitPass;
}

}  // namespace vantrel
