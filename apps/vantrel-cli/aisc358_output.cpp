#include "aisc358_output.h"

#include <nlohmann/json.hpp>

#include "grid_text.h"
#include "json_number.h"
#include "model/number_text.h"
#include "model/result_grids.h"
#include "model/shape_table.h"

namespace vantrel::cli {
namespace {

using current::Item;
using current::ItemStatus;

std::string Cell(const std::optional<double>& value) {
    return value ? Format(*value, "0.000") : std::string();
}

ResultGrid ItemGrid(const current::Aisc358Result& result, bool colour) {
    constexpr int kColumns = 8;
    ResultGrid grid(1, kColumns);
    const char* headings[kColumns] = {"Item",  "Value",  "Min",  "Max",
                                      "Ratio", "Status", "Unit", "Reference"};
    for (int c = 0; c < kColumns; ++c) grid.SetText(0, c, headings[c]);
    std::optional<current::ItemGroup> group;
    for (const Item& item : result.items) {
        if (item.group != group) {
            group = item.group;
            grid.AppendRow();
            grid.SetText(grid.RowCount() - 1, 0, current::GroupTitle(item.group));
        }
        grid.AppendRow();
        const int row = grid.RowCount() - 1;
        const std::string value = item.id == "column_bracing" && item.value
                                      ? std::string(current::BracedFlangesText(*item.value))
                                      : Cell(item.value);
        const std::string texts[kColumns] = {"  " + std::string(item.id),
                                             value,
                                             Cell(item.min),
                                             Cell(item.max),
                                             Cell(item.ratio),
                                             std::string(StatusText(item.status)),
                                             std::string(item.unit),
                                             std::string(item.reference)};
        for (int c = 0; c < kColumns; ++c) grid.SetText(row, c, texts[c]);
        // Without a terminal the status text says it all; GridText would add a mark.
        if (colour && item.status == ItemStatus::Pass) grid.Paint(row, 5, row, 5, kPassGreen);
        if (colour && item.status == ItemStatus::Fail) grid.Paint(row, 5, row, 5, kFailRed);
    }
    return grid;
}

std::string Quoted(std::string_view text) {
    return nlohmann::json(std::string(text)).dump();
}

}  // namespace

std::string FailingItems(const current::Aisc358Result& result, const char* sep) {
    std::string ids;
    for (const Item& item : result.items) {
        if (item.status != ItemStatus::Fail) continue;
        if (!ids.empty()) ids += sep;
        ids += item.id;
    }
    return ids;
}

std::string NotCheckedReason(const DesignInputs& inputs, bool femaErrored) {
    if (femaErrored) return "the calculation reported an error";
    if (ShapeIndex(inputs.Beam) < 0 || ShapeIndex(inputs.Column) < 0)
        return "the beam or the column is not in the shape table";
    if (current::ReadAxialLoad(inputs.ColumnAxialLoad).negative)
        return std::string(current::kNegativeAxialLoadReason);
    return "ColumnAxialLoad is not a number within the single-precision range";
}

std::string Aisc358Text(const std::optional<current::Aisc358Result>& result,
                        const DesignInputs& inputs, bool femaErrored, bool colour) {
    std::string out = std::string("Current code: ") + kAisc358Basis;
    if (!result) {
        std::string reason = NotCheckedReason(inputs, femaErrored);
        if (!reason.ends_with('.')) reason += '.';
        return out + "\nNot checked: " + reason + "\n";
    }
    out += result->system == current::SeismicSystem::SMF ? ", SMF\n" : ", IMF\n";
    out += GridText(ItemGrid(*result, colour), colour);
    out += "\u03A3M*pc = " + Format(result->sumMpc, "0.000") +
           " ft-kip, \u03A3M*pb = " + Format(result->sumMpb, "0.000") + " ft-kip\n";
    out += result->pass
               ? "The design meets the current code.\n"
               : "The design does not meet the current code; failing: " + FailingItems(*result) +
                     ".\n";
    out += "Assumptions:\n";
    int number = 0;
    for (std::string_view text : current::Assumptions())
        out += "  " + std::to_string(++number) + ". " + std::string(text) + '\n';
    return out;
}

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
