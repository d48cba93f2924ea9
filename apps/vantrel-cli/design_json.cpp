#include "design_json.h"

#include <cstdio>

namespace vantrel::cli {
namespace {

using Json = nlohmann::ordered_json;

// A float's exact value as a JSON number; a negative zero is written as 0.
double Exact(float value) {
    return value == 0.0f ? 0.0 : static_cast<double>(value);
}

Json ShapeJson(const WShape& s) {
    return Json{{"Name", s.Name},    {"A", Exact(s.A)},   {"d", Exact(s.d)},
                {"Ix", Exact(s.Ix)}, {"Zx", Exact(s.Zx)}, {"Sx", Exact(s.Sx)},
                {"rx", Exact(s.rx)}, {"bf", Exact(s.bf)}, {"tw", Exact(s.tw)},
                {"tf", Exact(s.tf)}, {"Iy", Exact(s.Iy)}, {"Zy", Exact(s.Zy)},
                {"Sy", Exact(s.Sy)}, {"ry", Exact(s.ry)}, {"Weight", Exact(s.Weight)}};
}

std::string HexColour(Rgb colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(colour & 0xFFFFFF));
    return text;
}

Json GridJson(const ResultGrid& grid) {
    Json rows = Json::array();
    for (int r = 0; r < grid.RowCount(); ++r) {
        Json row = Json::array();
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            const GridCell& cell = grid.Cell(r, c);
            row.push_back(Json{{"text", cell.text}, {"color", HexColour(cell.color)}});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

Json RecordJson(const DesignRecord& r) {
    Json j;
    j["Beam"] = ShapeJson(r.Beam);
    j["Column"] = ShapeJson(r.Column);
    const std::pair<const char*, float> values[] = {{"Srbs", r.Srbs}, {"Zrbs", r.Zrbs}};
    for (const auto& [name, value] : values) j[name] = Exact(value);
    j["Fy"] = r.Fy;
    j["Fu"] = r.Fu;
    const std::pair<const char*, float> rest[] = {
        {"a", r.a},   {"b", r.b},     {"c", r.c},           {"R", r.R},   {"Mpr", r.Mpr},
        {"Vp", r.Vp}, {"L", r.L},     {"Lprime", r.Lprime}, {"X", r.X},   {"Mc", r.Mc},
        {"Mf", r.Mf}, {"Cpr", r.Cpr}, {"Ry", r.Ry},         {"Vf", r.Vf}, {"Vg", r.Vg},
        {"Cy", r.Cy}, {"h", r.h},     {"ds", r.ds},
    };
    for (const auto& [name, value] : rest) j[name] = Exact(value);
    const std::pair<const char*, const LoadValues&> loads[] = {
        {"DistDL", r.DistDL},
        {"DistLL", r.DistLL},
        {"PointDL", r.PointDL},
        {"PointLL", r.PointLL},
        {"PointLoadLocation", r.PointLoadLocation}};
    for (const auto& [kind, perLoad] : loads)
        for (size_t i = 0; i < perLoad.size(); ++i)
            j[kind + std::to_string(i + 1)] = Exact(perLoad[i]);
    j["VpSide"] = r.VpSide;
    j["VgSide"] = r.VgSide;
    return j;
}

}  // namespace

Json DesignJson(const DesignState& state, const std::vector<ChainError>& errors) {
    Json j;
    j["record"] = RecordJson(state.record);
    j["grids"] = Json{{"summary", GridJson(state.grids.summary)},
                      {"checks", GridJson(state.grids.checks)},
                      {"parameters", GridJson(state.grids.parameters)}};
    const SketchLabels& l = state.labels;
    j["labels"] = Json{{"LblBeamWidth", l.LblBeamWidth},
                       {"LblColumnWidth", l.LblColumnWidth},
                       {"Labelbeam", l.Labelbeam},
                       {"Labelcolumn1", l.Labelcolumn1},
                       {"Labelcolumn2", l.Labelcolumn2},
                       {"Labela", l.Labela},
                       {"Labelb", l.Labelb},
                       {"Labelc", l.Labelc},
                       {"Labelr", l.Labelr},
                       {"LabelLength", l.LabelLength}};
    Json list = Json::array();
    for (const ChainError& e : errors) {
        Json error{{"module", e.module},
                   {"procedure", e.procedure},
                   {"number", e.number},
                   {"description", e.description}};
        if (!e.cause.empty()) error["cause"] = e.cause;  // only where the chain names one
        list.push_back(std::move(error));
    }
    j["errors"] = std::move(list);
    j["modified"] = state.record.Modified;
    return j;
}

}  // namespace vantrel::cli
