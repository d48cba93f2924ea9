#include "design_json.h"

namespace vantrel {
namespace {

// A float's exact value as a JSON number.
double Exact(float value) {
    return static_cast<double>(value);
}

Json ShapeJson(const WShape& s) {
    return Json{{"Name", s.Name},    {"A", Exact(s.A)},   {"d", Exact(s.d)},
                {"Ix", Exact(s.Ix)}, {"Zx", Exact(s.Zx)}, {"Sx", Exact(s.Sx)},
                {"rx", Exact(s.rx)}, {"bf", Exact(s.bf)}, {"tw", Exact(s.tw)},
                {"tf", Exact(s.tf)}, {"Iy", Exact(s.Iy)}, {"Zy", Exact(s.Zy)},
                {"Sy", Exact(s.Sy)}, {"ry", Exact(s.ry)}, {"Weight", Exact(s.Weight)}};
}

// Built member by member: a grid has hundreds of cells, and an initializer
// list would copy each of them.
Json GridJson(const ResultGrid& grid) {
    Json::array_t rows;
    rows.reserve(static_cast<size_t>(grid.RowCount()));
    for (int r = 0; r < grid.RowCount(); ++r) {
        Json::array_t row;
        row.reserve(static_cast<size_t>(grid.ColumnCount()));
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            const GridCell& cell = grid.Cell(r, c);
            Json::object_t object;
            object.reserve(2);
            object.emplace_back("text", cell.text);
            object.emplace_back("color", ColourText(cell.color));
            row.emplace_back(std::move(object));
        }
        rows.emplace_back(std::move(row));
    }
    return Json(std::move(rows));
}

Json RecordJson(const DesignRecord& r) {
    Json j = JsonObject(64);
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

Json Aisc358Json(const std::optional<current::Aisc358Result>& result) {
    if (!result) return nullptr;
    Json::array_t items;
    items.reserve(result->items.size());
    for (const current::Item& item : result->items) {
        Json& json = items.emplace_back(JsonObject(7));
        json["id"] = item.id;
        json["value"] = JsonOf(item.value);
        json["min"] = JsonOf(item.min);
        json["max"] = JsonOf(item.max);
        json["ratio"] = JsonOf(item.ratio);
        json["status"] = current::StatusText(item.status);
        json["unit"] = item.unit;
    }
    Json json = JsonObject(6);
    json["basis"] = kAisc358Basis;
    json["system"] = result->system == current::SeismicSystem::SMF ? "SMF" : "IMF";
    json["pass"] = result->pass;
    json["sumMpc"] = result->sumMpc;
    json["sumMpb"] = result->sumMpb;
    json["items"] = std::move(items);
    return json;
}

}  // namespace

Json DesignJson(const DesignState& state, const std::vector<ChainError>& errors, bool modified) {
    Json j = JsonObject(8);
    j["record"] = RecordJson(state.record);
    // Assigned one by one: an initializer list would copy the grids.
    Json& grids = j["grids"] = JsonObject(3);
    grids["summary"] = GridJson(state.grids.summary);
    grids["checks"] = GridJson(state.grids.checks);
    grids["parameters"] = GridJson(state.grids.parameters);
    Json& labels = j["labels"] = JsonObject(10);
    for (const auto& [name, text] : NamedLabels(state.labels)) labels[std::string(name)] = *text;
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
    j["modified"] = modified;
    j["aisc358"] = Aisc358Json(state.aisc358.result);
    return j;
}

std::string CalcJson(const DesignState& state, const std::vector<ChainError>& errors,
                     bool modified) {
    return JsonText(DesignJson(state, errors, modified), JsonLayout::Indented) + '\n';
}

std::string GridCellsJson(const ResultGrids& grids) {
    Json json = JsonObject(3);
    const std::pair<const char*, const ResultGrid*> named[] = {
        {"summary", &grids.summary}, {"checks", &grids.checks}, {"parameters", &grids.parameters}};
    for (const auto& [name, grid] : named) {
        Json::array_t rows;
        rows.reserve(static_cast<size_t>(grid->RowCount()));
        for (int r = 0; r < grid->RowCount(); ++r) {
            Json::array_t row;
            row.reserve(static_cast<size_t>(grid->ColumnCount()));
            for (int c = 0; c < grid->ColumnCount(); ++c) {
                const GridCell& cell = grid->Cell(r, c);
                row.emplace_back(Json::array_t{cell.text, ColourText(cell.color), cell.bold});
            }
            rows.emplace_back(std::move(row));
        }
        json[name] = std::move(rows);
    }
    return JsonText(json, JsonLayout::OneLine);
}

}  // namespace vantrel
