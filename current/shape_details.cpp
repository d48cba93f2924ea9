#include "shape_details.h"

#include <array>

#include "model/number_text.h"
#include "model/shape_table.h"

namespace vantrel::current {
namespace {

constexpr std::string_view kRows[] = {
#include "shape_detail_rows.inc"
};
static_assert(std::size(kRows) == kShapeCount);

double NumberOr0(std::string_view text) {
    const ParsedNumber parsed = ParseNumber(text);
    return parsed.ok() ? parsed.value : 0.0;
}

// The fields after the name; the build guarantees 7 plain decimals.
ShapeDetail ParseRow(std::string_view row) {
    ShapeDetail detail;
    double* numbers[] = {&detail.kdes, &detail.hOverTw, &detail.flangeRatio, &detail.ho,
                         &detail.J,    &detail.Cw,      &detail.rts};
    size_t start = row.find(',');
    for (double* number : numbers) {
        const size_t end = row.find(',', start + 1);
        *number = NumberOr0(row.substr(
            start + 1, end == std::string_view::npos ? std::string_view::npos : end - start - 1));
        start = end;
    }
    const std::string_view name = row.substr(0, row.find(','));
    detail.nominalDepth = NominalDepth(name);
    detail.nominalWeight = NominalWeight(name);
    return detail;
}

}  // namespace

std::span<const std::string_view> ShapeDetailRows() {
    return kRows;
}

const ShapeDetail& ShapeDetailAt(int index) {
    static const std::array<ShapeDetail, kShapeCount> table = [] {
        std::array<ShapeDetail, kShapeCount> details;
        for (size_t i = 0; i < details.size(); ++i) details[i] = ParseRow(kRows[i]);
        return details;
    }();
    return table[static_cast<size_t>(index)];
}

double NominalDepth(std::string_view designation) {
    if (!designation.starts_with("W ")) return 0.0;
    const size_t x = designation.find('x');
    return x == std::string_view::npos ? 0.0 : NumberOr0(designation.substr(2, x - 2));
}

double NominalWeight(std::string_view designation) {
    if (!designation.starts_with("W ")) return 0.0;
    const size_t x = designation.find('x');
    return x == std::string_view::npos ? 0.0 : NumberOr0(designation.substr(x + 1));
}

}  // namespace vantrel::current
