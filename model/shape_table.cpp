#include "shape_table.h"

#include <array>
#include <vector>

#include "number_text.h"

namespace vantrel {
namespace {

constexpr std::string_view kRows[] = {
#include "shape_rows.inc"
};
static_assert(std::size(kRows) == kShapeCount);

// The fields of a row, read in one pass: the name, then fourteen numbers.
// A missing field reads as GetField gives it, "0"; a row field is always a
// plain decimal, anything else counts as 0, as a conversion of "0" would.
WShape ParseRow(std::string_view row) {
    WShape shape;
    shape.Name = "0";
    if (row.empty()) return shape;
    float* numbers[] = {&shape.A,  &shape.d,  &shape.Ix, &shape.Zx,    &shape.Sx,
                        &shape.rx, &shape.bf, &shape.tw, &shape.tf,    &shape.Iy,
                        &shape.Zy, &shape.Sy, &shape.ry, &shape.Weight};
    size_t start = 0;
    for (size_t field = 0; field <= std::size(numbers) && start != std::string_view::npos;
         ++field) {
        const size_t comma = row.find(',', start);
        const std::string_view text =
            row.substr(start, comma == std::string_view::npos ? comma : comma - start);
        start = comma == std::string_view::npos ? comma : comma + 1;
        if (field == 0) {
            shape.Name = text;
            continue;
        }
        const ParsedNumber parsed = ParseNumber(text);
        *numbers[field - 1] = parsed.ok() ? static_cast<float>(parsed.value) : 0.0f;
    }
    return shape;
}

const std::vector<WShape>& ParsedTable() {
    static const std::vector<WShape> table = [] {
        std::vector<WShape> shapes;
        shapes.reserve(kShapeCount);
        for (std::string_view row : kRows) shapes.push_back(ParseRow(row));
        return shapes;
    }();
    return table;
}

}  // namespace

std::span<const std::string_view> ShapeRows() {
    return kRows;
}

std::string_view ShapeName(int index) {
    const std::string_view row = kRows[index];
    return row.substr(0, row.find(','));
}

int ShapeIndex(std::string_view designation) {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (int i = 0; i < kShapeCount; ++i) all.push_back(ShapeName(i));
        return all;
    }();
    for (int i = 0; i < kShapeCount; ++i) {
        if (names[static_cast<size_t>(i)] == designation) return i;
    }
    return -1;
}

std::string ShapeRow(std::string_view designation) {
    const int index = ShapeIndex(designation);
    return index < 0 ? std::string() : std::string(kRows[index]);
}

std::string GetField(std::string_view row, int index) {
    if (row.empty() || index < 1) return "0";
    int field = 1;
    size_t start = 0;
    while (field < index) {
        const size_t comma = row.find(',', start);
        if (comma == std::string_view::npos) return "0";
        start = comma + 1;
        ++field;
    }
    const size_t end = row.find(',', start);
    return std::string(row.substr(start, end == std::string_view::npos ? row.npos : end - start));
}

const WShape& ShapeAt(int index) {
    return ParsedTable()[static_cast<size_t>(index)];
}

WShape ShapeFromDesignation(std::string_view designation) {
    const int index = ShapeIndex(designation);
    return index < 0 ? ParseRow("") : ShapeAt(index);
}

}  // namespace vantrel
