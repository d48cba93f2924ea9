// vantrel-cli search [FILE.vtl] [--set NAME=TEXT]... [--code fema350|aisc358|both]
//                    [--no-doublers] [--no-continuity] [--limit N] [--json|--csv]
//
// Calculates every beam/column pair of the shape table with the design's
// other inputs and lists the pairs that pass the chosen code (both FEMA 350
// and AISC 358-16 unless --code says otherwise), lightest frame first. The text
// table shows the first N designs (20 unless --limit says otherwise); --json
// and --csv list every passing design. Exit status: 0 designs found, 1 none
// pass, 2 usage error, 3 the inputs give a calculation error for every pair,
// 4 a project file cannot be read.

#include <charconv>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "commands.h"
#include "current/aisc358.h"
#include "design_options.h"
#include "model/number_text.h"
#include "model/shape_table.h"
#include "present/design_state.h"
#include "present/search_rows.h"
#include "search/search.h"

namespace vantrel::cli {
namespace {

constexpr size_t kDefaultLimit = 20;

bool ReadLimit(const std::string& text, size_t& limit) {
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, limit);
    return !text.empty() && parsed.ec == std::errc() && parsed.ptr == end;
}

// Why nothing can pass: the errors of one calculation of the design as given.
void ExplainInputError(const DesignInputs& inputs, std::ostream& err) {
    DesignState state;
    CollectingErrorSink errors;
    Calculate(state, inputs, errors);
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

int SearchCommand(const Args& args, Streams s) {
    auto options = ParseDesignOptions(args, {"--json", "--csv", "--no-doublers", "--no-continuity"},
                                      {"--limit", "--code"}, s.err);
    if (!options) return kExitUsage;
    const bool json = HasFlag(*options, "--json");
    const bool csv = HasFlag(*options, "--csv");
    if (json && csv) {
        s.err << "vantrel-cli: choose one of --json and --csv\n";
        return kExitUsage;
    }
    size_t limit = kDefaultLimit;
    if (const std::string* text = ValuedOption(*options, "--limit")) {
        if (!ReadLimit(*text, limit)) {
            s.err << "vantrel-cli: --limit needs a whole number of 0 or more, got '" << *text
                  << "'\n";
            return kExitUsage;
        }
    }
    SearchOptions searchOptions;
    if (const std::string* text = ValuedOption(*options, "--code")) {
        if (!ReadCode(*text, searchOptions.code)) {
            s.err << "vantrel-cli: --code needs fema350, aisc358 or both, got '" << *text << "'\n";
            return kExitUsage;
        }
    }
    int status = 0;
    auto inputs = LoadDesignInputs(*options, s.err, status);
    if (!inputs) return status;

    searchOptions.excludeDoublerPlates = HasFlag(*options, "--no-doublers");
    searchOptions.excludeContinuityPlates = HasFlag(*options, "--no-continuity");
    const SearchFormat format = json  ? SearchFormat::Json
                                : csv ? SearchFormat::Csv
                                      : SearchFormat::Table;
    return SearchAndPrint(*inputs, searchOptions, format, limit, s);
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

}  // namespace vantrel::cli
