#pragma once

#include <cstdint>
#include <span>

namespace vantrel {

// CRC-32 as in zip and PNG (reflected polynomial 0xEDB88320, initial and final
// XOR 0xFFFFFFFF): "123456789" gives 0xCBF43926.
uint32_t Crc32(std::span<const uint8_t> bytes);

}  // namespace vantrel
