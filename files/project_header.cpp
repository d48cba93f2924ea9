#include "project_header.h"

#include "byte_order.h"
#include "project_file.h"

namespace vantrel {
namespace {

constexpr uint16_t kByteArrayTag = 0x2011;  // VT_ARRAY | VT_UI1
constexpr uint16_t kDimensions = 1;
constexpr uint32_t kLowerBound = 0;

}  // namespace

int CheckHeader(std::span<const uint8_t> header) {
    if (GetU16(header, 0) != kByteArrayTag) return kOpenWrongTypeTag;
    if (GetU16(header, 2) != kDimensions) return kOpenWrongDimensions;
    if (GetU32(header, 8) != kLowerBound) return kOpenWrongLowerBound;
    if (HeaderBagBytes(header) > kMaxBagBytes) return kOpenBagTooLarge;
    return kFileOk;
}

uint32_t HeaderBagBytes(std::span<const uint8_t> header) {
    return GetU32(header, 4);
}

void PutHeader(std::vector<uint8_t>& out, uint32_t bagBytes) {
    PutU16(out, kByteArrayTag);
    PutU16(out, kDimensions);
    PutU32(out, bagBytes);  // the bound's element count comes before its lower bound
    PutU32(out, kLowerBound);
}

}  // namespace vantrel
