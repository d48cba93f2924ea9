#pragma once
// The detail table beside the shape table: one row per shape-table row, in
// the same order (Name, kdes, h/tw, bf/2tf, ho, J, Cw, rts), with the nominal
// depth and weight of each designation.

#include <span>
#include <string_view>

namespace vantrel::current {

struct ShapeDetail {
    double kdes = 0, hOverTw = 0, flangeRatio = 0, ho = 0, J = 0, Cw = 0, rts = 0;
    double nominalDepth = 0;   // "W 21x44": 21
    double nominalWeight = 0;  // "W 21x44": 44 (lb/ft)
};

// All detail rows, in shape-table order.
std::span<const std::string_view> ShapeDetailRows();

// The details of shape-table index (0-based), numbers read as doubles from
// their decimal texts. index must be a valid shape-table index.
const ShapeDetail& ShapeDetailAt(int index);

// The nominal depth and weight written in a designation "W DxW"; 0 for a part
// that is not a number.
double NominalDepth(std::string_view designation);
double NominalWeight(std::string_view designation);

}  // namespace vantrel::current
