#pragma once
// The 12-byte header before the bag: one value, a one-dimensional byte array.

#include <cstdint>
#include <span>
#include <vector>

namespace vantrel {

inline constexpr size_t kHeaderBytes = 12;

// 0, or the error of the first field that is wrong: type tag, dimension
// count, lower bound, then an element count beyond the format's limit.
// header holds at least kHeaderBytes bytes.
int CheckHeader(std::span<const uint8_t> header);

// The element count N: the number of bag bytes after the header.
uint32_t HeaderBagBytes(std::span<const uint8_t> header);

// The header of a bag of bagBytes bytes.
void PutHeader(std::vector<uint8_t>& out, uint32_t bagBytes);

}  // namespace vantrel
