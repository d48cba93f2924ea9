#include "calc_text.h"

#include <algorithm>
#include <optional>

#include "error_texts.h"
#include "model/number_text.h"
#include "verdict_cells.h"

namespace vantrel {
namespace {

// Display width of UTF-8 text: code points, not bytes.
size_t DisplayWidth(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

std::string Mark(const GridCell& cell) {
    if (cell.color == kPassGreen) return "[PASS] ";
    if (cell.color == kFailRed) return "[FAIL] ";
    return {};
}

// A grid as an aligned text table: rows with any text, columns padded to the
// widest cell.
std::string GridText(const ResultGrid& grid, bool colour) {
    const int columns = grid.ColumnCount();
    std::vector<std::vector<std::string>> rows;
    std::vector<std::vector<const GridCell*>> cells;
    for (int r = 0; r < grid.RowCount(); ++r) {
        bool any = false;
        for (int c = 0; c < columns; ++c) any = any || !grid.Text(r, c).empty();
        if (!any) continue;
        std::vector<std::string> texts;
        std::vector<const GridCell*> rowCells;
        for (int c = 0; c < columns; ++c) {
            const GridCell& cell = grid.Cell(r, c);
            texts.push_back((cell.text.empty() || colour) ? cell.text : Mark(cell) + cell.text);
            rowCells.push_back(&cell);
        }
        rows.push_back(std::move(texts));
        cells.push_back(std::move(rowCells));
    }
    std::vector<size_t> widths(static_cast<size_t>(columns), 0);
    for (const auto& row : rows)
        for (size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));

    std::string out;
    for (size_t r = 0; r < rows.size(); ++r) {
        std::string line;
        for (size_t c = 0; c < rows[r].size(); ++c) {
            if (widths[c] == 0) continue;
            const std::string& text = rows[r][c];
            const GridCell& cell = *cells[r][c];
            const bool verdict = cell.color == kPassGreen || cell.color == kFailRed;
            if (colour && verdict && !text.empty())
                line += cell.color == kPassGreen ? "\x1b[30;42m" : "\x1b[97;41m";
            line += text;
            if (colour && verdict && !text.empty()) line += "\x1b[0m";
            line.append(widths[c] - DisplayWidth(text) + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line;
        out += '\n';
    }
    return out;
}

std::string Cell(const std::optional<double>& value) {
    return value ? Format(*value, "0.000") : std::string();
}

// The items by group: id, value, limits, ratio, status, unit and reference.
ResultGrid ItemGrid(const current::Aisc358Result& result, bool colour) {
    using current::ItemStatus;
    constexpr int kColumns = 8;
    ResultGrid grid(1, kColumns);
    const char* headings[kColumns] = {"Item",  "Value",  "Min",  "Max",
                                      "Ratio", "Status", "Unit", "Reference"};
    for (int c = 0; c < kColumns; ++c) grid.SetText(0, c, headings[c]);
    std::optional<current::ItemGroup> group;
    for (const current::Item& item : result.items) {
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

// The fourth table and what goes with it: the sums of the column and beam
// moments, the verdict and the assumptions; or why there are no items.
std::string CurrentCodeText(const Aisc358Section& section, bool colour) {
    std::string out = "Current code: " + Aisc358BasisText(section) + "\n";
    if (!section.result) return out + section.absence + "\n";
    const current::Aisc358Result& result = *section.result;
    out += GridText(ItemGrid(result, colour), colour);
    out += Aisc358MomentSumsText(section) + "\n";
    out +=
        result.pass
            ? "The design meets the current code.\n"
            : "The design does not meet the current code; failing: " + FailingItems(result) + ".\n";
    out += "Assumptions:\n";
    int number = 0;
    for (std::string_view text : current::Assumptions())
        out += "  " + std::to_string(++number) + ". " + std::string(text) + '\n';
    return out;
}

std::string SummaryLine(const DesignResults& results, size_t errorCount,
                        const Aisc358Section& section) {
    const std::vector<VerdictResult> verdicts = ReadVerdicts(results);
    int pass = 0;
    std::string failed;
    std::string missing;
    for (const VerdictResult& v : verdicts) {
        if (v.state == VerdictState::Pass) ++pass;
        if (v.state == VerdictState::Fail)
            failed += (failed.empty() ? "" : ", ") + std::string(v.cell->name);
        if (v.state == VerdictState::Missing)
            missing += (missing.empty() ? "" : ", ") + std::string(v.cell->name);
    }
    std::string out = "Summary: " + std::to_string(pass) + " of " +
                      std::to_string(verdicts.size()) + " checks pass";
    if (!failed.empty()) out += "; failing: " + failed;
    if (!missing.empty()) out += "; not checked: " + missing;
    if (errorCount > 0) out += "; " + std::to_string(errorCount) + " calculation error(s)";
    if (!section.result) {
        out += "; AISC 358-16 not checked";
        // The reason, unless a calculation error (named above) is it.
        if (errorCount == 0) out += " (" + section.absence + ")";
    } else if (section.result->pass) {
        out += "; AISC 358-16 passes";
    } else {
        out += "; AISC 358-16 fails: " + FailingItems(*section.result);
    }
    return out + '\n';
}

}  // namespace

std::string CalcText(const DesignState& state, const std::vector<ChainError>& errors, bool colour) {
    const Aisc358Section& section = state.aisc358;
    std::string out = "Calculated values\n" + GridText(state.grids.summary, colour) + '\n';
    out += "Design checks\n" + GridText(state.grids.checks, colour) + '\n';
    out += "Beam and column parameters\n" + GridText(state.grids.parameters, colour) + '\n';
    out += CurrentCodeText(section, colour) + '\n';
    for (const ChainError& e : errors) {
        out += ErrorLine(e) + '\n';
        if (!e.cause.empty()) out += e.cause + '\n';
    }
    return out + SummaryLine(state.results, errors.size(), section);
}

}  // namespace vantrel
