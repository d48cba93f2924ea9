#include "search_rows.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <vector>

#include "current/aisc358.h"
#include "files/csv_table.h"
#include "json_text.h"
#include "model/number_text.h"
#include "model/shape_table.h"

namespace vantrel {
namespace {

// Pounds to one decimal, as shown.
std::string WeightText(double pounds) {
    return Format(pounds, "0.0");
}

const char* YesNo(bool value) {
    return value ? "yes" : "no";
}

// A design with the numbers as the search computed them, its members in the
// order of the JSON and of the CSV's columns.
Json MatchJson(const DesignMatch& m) {
    Json json = JsonObject(14);
    json["Beam"] = ShapeName(m.beam);
    json["Column"] = ShapeName(m.column);
    json["MfRatio"] = m.mfRatio;
    json["ShearUnity"] = m.shearUnity;
    json["FlangeRatio"] = m.flangeRatio;
    json["WebRatio"] = m.webRatio;
    json["DoublerPlatesRequired"] = m.doublerPlatesRequired;
    json["ContinuityPlatesRequired"] = m.continuityPlatesRequired;
    json["Aisc358Pass"] = m.aisc358Pass ? Json(*m.aisc358Pass) : Json(nullptr);
    json["StrongColumnRatio"] = JsonOf(m.strongColumnRatio);
    json["PanelZoneRatio"] = JsonOf(m.panelZoneRatio);
    json["HingeRatio"] = JsonOf(m.hingeRatio);
    json["ColumnAxialRatio"] = JsonOf(m.columnAxialRatio);
    json["Weight"] = m.weight;
    return json;
}

// A member as a CSV field: texts quoted where they must be, numbers as the
// JSON writes them, null empty.
std::string CsvValue(const Json& value) {
    if (value.is_string()) return CsvField(value.get<std::string>());
    if (value.is_number()) return CsvNumber(value.get<double>());
    if (value.is_null()) return {};
    return value.dump();
}

// A ratio as the table shows it; "-" when absent.
std::string RatioCell(const std::optional<double>& ratio) {
    return ratio ? Format(*ratio, "0.00") : "-";
}

std::string CountLine(const SearchResult& result) {
    return "Searched " + std::to_string(result.searched) +
           " beam/column pairs: " + std::to_string(result.designs.size()) +
           (result.designs.size() == 1 ? " design passes." : " designs pass.");
}

}  // namespace

const std::string_view kFindDesignsIntro =
    "Every beam on every column, with this design's grade, coefficients or overrides, "
    "length, height, frame type, loads and column axial load. Listed are the pairs that "
    "meet the chosen code, lightest frame first (beam weight x length + 2 x column weight "
    "x height). FEMA 350: the beam and column parameter checks, the Mf ratio, flange and "
    "web slenderness and shear pass. AISC 358-16: no current-code item fails.";

const std::string_view kFemaSearchCaveat =
    "A listed pair has passed these checks only: under FEMA 350 the beam's moment capacity "
    "under the gravity loads alone and strong-column/weak-beam proportions are not checked; "
    "confirm them with your frame analysis.";

const std::array<std::string_view, 14> kSearchRowHeadings = {
    "Beam",     "Column",      "Mf ratio",    "Shear",      "Flange",
    "Web",      "Doublers",    "Continuity",  "AISC 358",   "SC/WB ratio",
    "PZ ratio", "Hinge ratio", "Axial ratio", "Weight (lb)"};

std::vector<std::string> SearchRowTexts(const SearchRow& r) {
    const char* doublers = r.doublers ? "required" : "no";
    const char* continuity = r.continuity ? "required" : "no";
    return {r.beam,     r.column,  r.mfRatio,      r.shear,     r.flange, r.web,   doublers,
            continuity, r.aisc358, r.strongColumn, r.panelZone, r.hinge,  r.axial, r.weight};
}

std::string SearchRowsJson(const SearchResult& result) {
    Json rows = Json::array();
    rows.get_ref<Json::array_t&>().reserve(result.designs.size());
    for (const DesignMatch& m : result.designs) rows.push_back(SearchRowTexts(PresentSearchRow(m)));
    return JsonText(rows, JsonLayout::OneLine);
}

std::string SearchSummary(const SearchResult& result, DesignCode code,
                          const std::string& columnAxialLoad) {
    if (result.cancelled) return "The search was cancelled.";
    if (result.inputError)
        return "No pair can pass: the length, height or a load is not a usable number.";
    if (result.axialLoadError && code != DesignCode::Fema350) {
        return current::ReadAxialLoad(columnAxialLoad).negative
                   ? "No pair can pass. " + std::string(current::kNegativeAxialLoadReason)
                   : "No pair can pass: the column axial load is not a number.";
    }
    return CountLine(result);
}

SearchRow PresentSearchRow(const DesignMatch& m) {
    SearchRow row;
    row.beam = ShapeName(m.beam);
    row.column = ShapeName(m.column);
    row.mfRatio = Format(m.mfRatio, "0.000");
    row.shear = Format(m.shearUnity, "0.00");
    row.flange = Format(m.flangeRatio, "0.00");
    row.web = Format(m.webRatio, "0.00");
    row.doublers = m.doublerPlatesRequired;
    row.continuity = m.continuityPlatesRequired;
    row.aisc358 = !m.aisc358Pass ? "-" : *m.aisc358Pass ? "pass" : "fail";
    row.strongColumn = RatioCell(m.strongColumnRatio);
    row.panelZone = RatioCell(m.panelZoneRatio);
    row.hinge = RatioCell(m.hingeRatio);
    row.axial = RatioCell(m.columnAxialRatio);
    row.weight = WeightText(m.weight);
    return row;
}

// Numbers as the result grids show them. With the current code checked, its
// verdict and the strong-column, panel-zone, hinge and column axial ratios too.
std::string SearchTable(const SearchResult& result, size_t limit, bool currentCode) {
    std::ostringstream out;
    out << CountLine(result) << '\n';
    const size_t shown = std::min(limit, result.designs.size());
    if (shown == 0) return out.str();
    std::vector<std::vector<std::string>> rows = {{"Rank", "Beam", "Column", "Mf ratio", "Shear",
                                                   "Flange", "Web", "Doublers", "Continuity",
                                                   "Weight (lb)"}};
    if (currentCode)
        rows[0].insert(rows[0].end() - 1, {"AISC 358", "SC/WB", "PZ", "Hinge", "Axial"});
    for (size_t i = 0; i < shown; ++i) {
        const SearchRow r = PresentSearchRow(result.designs[i]);
        rows.push_back({std::to_string(i + 1), r.beam, r.column, r.mfRatio, r.shear, r.flange,
                        r.web, YesNo(r.doublers), YesNo(r.continuity), r.weight});
        if (currentCode)
            rows.back().insert(rows.back().end() - 1,
                               {r.aisc358, r.strongColumn, r.panelZone, r.hinge, r.axial});
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
    return out.str();
}

// One design per line.
std::string SearchJson(const SearchResult& result) {
    std::string out = "{\"searched\": " + std::to_string(result.searched) + ", \"designs\": [";
    const char* separator = "\n ";
    for (const DesignMatch& m : result.designs) {
        out += separator + JsonText(MatchJson(m), JsonLayout::OneLine);
        separator = ",\n ";
    }
    return out + (result.designs.empty() ? "]}\n" : "\n]}\n");
}

std::string SearchCsv(const SearchResult& result) {
    std::string out;
    const char* separator = "";
    const Json names = MatchJson(DesignMatch{});
    for (const auto& member : names.items()) {
        out += separator + member.key();
        separator = ",";
    }
    out += '\n';
    for (const DesignMatch& m : result.designs) {
        separator = "";
        const Json design = MatchJson(m);
        for (const Json& value : design) {
            out += separator + CsvValue(value);
            separator = ",";
        }
        out += '\n';
    }
    return out;
}

}  // namespace vantrel
