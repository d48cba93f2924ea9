#pragma once
// The serialized property bag: named UTF-8 texts in a versioned, checksummed
// byte layout (docs/vtl-format.md, "The bag").

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

inline constexpr uint8_t kBagSignature[4] = {'V', 'T', 'L', 'B'};
inline constexpr uint16_t kBagVersion = 1;
// Signature, version, entry count and checksum: an empty bag.
inline constexpr size_t kMinBagBytes = 12;

struct BagEntry {
    std::string name;
    std::string value;
};

// The bag bytes of the entries, in their order. Names and values must be
// within the limits DecodeBag checks.
std::vector<uint8_t> EncodeBag(std::span<const BagEntry> entries);

struct BagDecodeResult {
    int error = 0;  // a ProjectFileError
    std::vector<BagEntry> entries;
};

// Checks every length against the bytes that remain before reading, the
// checksum before the entries, and every name and value against the format's
// rules. Entries come back in file order; nothing on failure.
BagDecodeResult DecodeBag(std::span<const uint8_t> bag);

// True for 1 to kMaxNameBytes characters of A-Z, a-z, 0-9 and '_'.
bool IsValidBagName(std::string_view name);

}  // namespace vantrel
