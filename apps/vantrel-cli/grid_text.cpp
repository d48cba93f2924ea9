#include "grid_text.h"

#include <algorithm>
#include <vector>

namespace vantrel::cli {
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

}  // namespace

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
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], DisplayWidth(row[c]));

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

}  // namespace vantrel::cli
