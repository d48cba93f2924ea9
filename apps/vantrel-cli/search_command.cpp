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

#include "checks/design.h"
#include "commands.h"
#include "current/aisc358.h"
#include "design_options.h"
#include "json_number.h"
#include "model/number_text.h"
#include "model/shape_table.h"
#include "nlohmann/json.hpp"
#include "search/search.h"

namespace vantrel::cli {
namespace {

constexpr size_t kDefaultLimit = 20;

// The shortest text that reads back as the float; a negative zero is "0".
std::string FloatText(float value) {
    if (value == 0.0f) return "0";
    return ShortestText(value);
}

// The shortest text that reads back as the double; "null" when absent.
std::string PassText(const std::optional<bool>& pass) {
    if (!pass) return "null";
    return *pass ? "true" : "false";
}

// CSV has no null: an absent value is an empty field.
std::string CsvField(const std::string& json) {
    return json == "null" ? std::string() : json;
}

// Pounds to one decimal, as shown.
std::string WeightText(double pounds) {
    return Format(pounds, "0.0");
}

const char* YesNo(bool value) {
    return value ? "yes" : "no";
}
const char* TrueFalse(bool value) {
    return value ? "true" : "false";
}

// One design per line. Numbers are written as the shortest text that reads
// back as the float the search computed (the weight to 0.1 lb).
void PrintJson(const SearchResult& result, std::ostream& out) {
    auto text = [](std::string_view name) { return nlohmann::json(std::string(name)).dump(); };
    out << "{\"searched\": " << result.searched << ", \"designs\": [";
    const char* separator = "\n ";
    for (const DesignMatch& m : result.designs) {
        out << separator << "{\"Beam\": " << text(ShapeName(m.beam))
            << ", \"Column\": " << text(ShapeName(m.column))
            << ", \"MfRatio\": " << FloatText(m.mfRatio)
            << ", \"ShearUnity\": " << FloatText(m.shearUnity)
            << ", \"FlangeRatio\": " << FloatText(m.flangeRatio)
            << ", \"WebRatio\": " << FloatText(m.webRatio)
            << ", \"DoublerPlatesRequired\": " << TrueFalse(m.doublerPlatesRequired)
            << ", \"ContinuityPlatesRequired\": " << TrueFalse(m.continuityPlatesRequired)
            << ", \"Aisc358Pass\": " << PassText(m.aisc358Pass)
            << ", \"StrongColumnRatio\": " << ShortestDoubleText(m.strongColumnRatio)
            << ", \"PanelZoneRatio\": " << ShortestDoubleText(m.panelZoneRatio)
            << ", \"HingeRatio\": " << ShortestDoubleText(m.hingeRatio)
            << ", \"ColumnAxialRatio\": " << ShortestDoubleText(m.columnAxialRatio)
            << ", \"Weight\": " << WeightText(m.weight) << '}';
        separator = ",\n ";
    }
    out << (result.designs.empty() ? "]}\n" : "\n]}\n");
}

void PrintCsv(const SearchResult& result, std::ostream& out) {
    out << "Beam,Column,MfRatio,ShearUnity,FlangeRatio,WebRatio,DoublerPlatesRequired,"
           "ContinuityPlatesRequired,Aisc358Pass,StrongColumnRatio,PanelZoneRatio,HingeRatio,"
           "ColumnAxialRatio,Weight\n";
    for (const DesignMatch& m : result.designs) {
        out << ShapeName(m.beam) << ',' << ShapeName(m.column) << ',' << FloatText(m.mfRatio) << ','
            << FloatText(m.shearUnity) << ',' << FloatText(m.flangeRatio) << ','
            << FloatText(m.webRatio) << ',' << TrueFalse(m.doublerPlatesRequired) << ','
            << TrueFalse(m.continuityPlatesRequired) << ',' << CsvField(PassText(m.aisc358Pass))
            << ',' << CsvField(ShortestDoubleText(m.strongColumnRatio)) << ','
            << CsvField(ShortestDoubleText(m.panelZoneRatio)) << ','
            << CsvField(ShortestDoubleText(m.hingeRatio)) << ','
            << CsvField(ShortestDoubleText(m.columnAxialRatio)) << ',' << WeightText(m.weight)
            << '\n';
    }
}

// A ratio as the table shows it; "-" when absent.
std::string RatioCell(const std::optional<double>& ratio) {
    return ratio ? Format(*ratio, "0.00") : "-";
}

// The ranked table, numbers as the result grids show them. With the current
// code checked, its verdict and the strong-column, panel-zone, hinge and
// column axial ratios too.
void PrintTable(const SearchResult& result, size_t limit, bool currentCode, std::ostream& out) {
    out << "Searched " << result.searched << " beam/column pairs: " << result.designs.size()
        << (result.designs.size() == 1 ? " design passes" : " designs pass") << ".\n";
    const size_t shown = std::min(limit, result.designs.size());
    if (shown == 0) return;
    std::vector<std::vector<std::string>> rows = {{"Rank", "Beam", "Column", "Mf ratio", "Shear",
                                                   "Flange", "Web", "Doublers", "Continuity",
                                                   "Weight (lb)"}};
    if (currentCode)
        rows[0].insert(rows[0].end() - 1, {"AISC 358", "SC/WB", "PZ", "Hinge", "Axial"});
    for (size_t i = 0; i < shown; ++i) {
        const DesignMatch& m = result.designs[i];
        rows.push_back({std::to_string(i + 1), std::string(ShapeName(m.beam)),
                        std::string(ShapeName(m.column)), Format(m.mfRatio, "0.000"),
                        Format(m.shearUnity, "0.00"), Format(m.flangeRatio, "0.00"),
                        Format(m.webRatio, "0.00"), YesNo(m.doublerPlatesRequired),
                        YesNo(m.continuityPlatesRequired), WeightText(m.weight)});
        if (currentCode) {
            const std::string verdict = !m.aisc358Pass ? "-" : *m.aisc358Pass ? "pass" : "fail";
            rows.back().insert(
                rows.back().end() - 1,
                {verdict, RatioCell(m.strongColumnRatio), RatioCell(m.panelZoneRatio),
                 RatioCell(m.hingeRatio), RatioCell(m.columnAxialRatio)});
        }
    }
    std::vector<size_t> widths(rows[0].size(), 0);
    for (const auto& row : rows)
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    for (const auto& row : rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            // Rank and weight right-aligned, the rest left-aligned.
            const std::string pad(widths[c] - row[c].size(), ' ');
            const bool right = c == 0 || c + 1 == row.size();
            line += right ? pad + row[c] : row[c] + pad;
            if (c + 1 < row.size()) line += "  ";
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out << line << '\n';
    }
    if (shown < result.designs.size()) {
        out << "Showing the first " << shown << "; --limit N shows more, --json or --csv all.\n";
    }
}

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
        PrintJson(result, s.out);
    } else if (format == SearchFormat::Csv) {
        PrintCsv(result, s.out);
    } else {
        PrintTable(result, limit, searchOptions.code != DesignCode::Fema350, s.out);
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
