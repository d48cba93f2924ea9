#pragma once
// The built-in table of 267 rolled W-shapes. Each row is one text of 15
// fields separated by ",": Name, A, d, Ix, Zx, Sx, rx, bf, tw, tf, Iy, Zy, Sy,
// ry, Weight.

#include <span>
#include <string>
#include <string_view>

#include "design_record.h"

namespace vantrel {

inline constexpr int kShapeCount = 267;

// All rows, in table order.
std::span<const std::string_view> ShapeRows();

// Designation of row index (0-based).
std::string_view ShapeName(int index);

// The row whose first field equals the designation exactly (first match), or
// the empty text.
std::string ShapeRow(std::string_view designation);

// Field number index (from 1) of a row split at every ","; "0" when index is
// below 1 or above the number of fields (the empty row has no fields).
std::string GetField(std::string_view row, int index);

// The index of a designation in the table, or -1.
int ShapeIndex(std::string_view designation);

// The row of index parsed into a shape (numbers converted as single
// precision), as LookupShapes fills the record.
const WShape& ShapeAt(int index);

// The shape of a designation: its row parsed, or Name "0" and every number 0
// for a designation that is not in the table.
WShape ShapeFromDesignation(std::string_view designation);

}  // namespace vantrel
