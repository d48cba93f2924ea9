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
#include <ostream>
#include <string>

#include "commands.h"
#include "design_options.h"
#include "model/message_text.h"
#include "present/search_output.h"

namespace vantrel::cli {
namespace {

constexpr size_t kDefaultLimit = 20;

bool ReadLimit(const std::string& text, size_t& limit) {
    const char* end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data(), end, limit);
    return !text.empty() && parsed.ec == std::errc() && parsed.ptr == end;
}

}  // namespace

int SearchCommand(const ParsedCommand& command, Streams s) {
    const auto options = DesignOptionsOf(command, 0, s.err);
    if (!options) return kExitUsage;
    const bool json = command.Has("--json");
    const bool csv = command.Has("--csv");
    if (json && csv) {
        s.err << "vantrel-cli: choose one of --json and --csv\n";
        return kExitUsage;
    }
    size_t limit = kDefaultLimit;
    if (const std::string* text = command.Value("--limit")) {
        if (!ReadLimit(*text, limit)) {
            s.err << "vantrel-cli: --limit needs a whole number of 0 or more, got '"
                  << MessageText(*text) << "'\n";
            return kExitUsage;
        }
    }
    SearchOptions searchOptions;
    if (const std::string* text = command.Value("--code")) {
        if (!ReadCode(*text, searchOptions.code)) {
            s.err << "vantrel-cli: --code needs fema350, aisc358 or both, got '"
                  << MessageText(*text) << "'\n";
            return kExitUsage;
        }
    }
    int status = 0;
    auto inputs = LoadDesignInputs(*options, s.err, status);
    if (!inputs) return status;

    searchOptions.excludeDoublerPlates = command.Has("--no-doublers");
    searchOptions.excludeContinuityPlates = command.Has("--no-continuity");
    const SearchFormat format = json  ? SearchFormat::Json
                                : csv ? SearchFormat::Csv
                                      : SearchFormat::Table;
    return SearchAndPrint(*inputs, searchOptions, format, limit, s);
}

}  // namespace vantrel::cli
