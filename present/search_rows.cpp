#include "search_rows.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <sstream>
#include <vector>

#include "json_number.h"
#include "model/number_text.h"
#include "model/shape_table.h"
#include "nlohmann/json.hpp"

namespace vantrel {
namespace {

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
std::string NullAsEmpty(const std::string& json) {
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
            << TrueFalse(m.continuityPlatesRequired) << ',' << NullAsEmpty(PassText(m.aisc358Pass))
            << ',' << NullAsEmpty(ShortestDoubleText(m.strongColumnRatio)) << ','
            << NullAsEmpty(ShortestDoubleText(m.panelZoneRatio)) << ','
            << NullAsEmpty(ShortestDoubleText(m.hingeRatio)) << ','
            << NullAsEmpty(ShortestDoubleText(m.columnAxialRatio)) << ',' << WeightText(m.weight)
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
}

}  // namespace

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

std::string SearchTable(const SearchResult& result, size_t limit, bool currentCode) {
    std::ostringstream out;
    PrintTable(result, limit, currentCode, out);
    return out.str();
}

std::string SearchJson(const SearchResult& result) {
    std::ostringstream out;
    PrintJson(result, out);
    return out.str();
}

std::string SearchCsv(const SearchResult& result) {
    std::ostringstream out;
    PrintCsv(result, out);
    return out.str();
}

}  // namespace vantrel
