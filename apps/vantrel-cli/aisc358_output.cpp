#include "aisc358_output.h"

#include <nlohmann/json.hpp>

#include "present/json_number.h"

namespace vantrel::cli {
namespace {

using current::Item;

std::string Quoted(std::string_view text) {
    return nlohmann::json(std::string(text)).dump();
}

}  // namespace

std::string Aisc358Json(const std::optional<current::Aisc358Result>& result, int depth) {
    if (!result) return "null";
    const std::string in1(static_cast<size_t>(depth + 1), ' ');
    const std::string in2(static_cast<size_t>(depth + 2), ' ');
    const std::string in3(static_cast<size_t>(depth + 3), ' ');
    std::string out = "{\n";
    out += in1 + "\"basis\": " + Quoted(kAisc358Basis) + ",\n";
    out += in1 + "\"system\": " +
           (result->system == current::SeismicSystem::SMF ? "\"SMF\"" : "\"IMF\"") + ",\n";
    out += in1 + "\"pass\": " + (result->pass ? "true" : "false") + ",\n";
    out += in1 + "\"sumMpc\": " + ShortestDoubleText(result->sumMpc) + ",\n";
    out += in1 + "\"sumMpb\": " + ShortestDoubleText(result->sumMpb) + ",\n";
    out += in1 + "\"items\": [";
    const char* separator = "\n";
    for (const Item& item : result->items) {
        out += separator + in2 + "{\n";
        out += in3 + "\"id\": " + Quoted(item.id) + ",\n";
        out += in3 + "\"value\": " + ShortestDoubleText(item.value) + ",\n";
        out += in3 + "\"min\": " + ShortestDoubleText(item.min) + ",\n";
        out += in3 + "\"max\": " + ShortestDoubleText(item.max) + ",\n";
        out += in3 + "\"ratio\": " + ShortestDoubleText(item.ratio) + ",\n";
        out += in3 + "\"status\": " + Quoted(StatusText(item.status)) + ",\n";
        out += in3 + "\"unit\": " + Quoted(item.unit) + '\n';
        out += in2 + '}';
        separator = ",\n";
    }
    out += result->items.empty() ? "]\n" : "\n" + in1 + "]\n";
    out += std::string(static_cast<size_t>(depth), ' ') + '}';
    return out;
}

}  // namespace vantrel::cli
