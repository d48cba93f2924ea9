#pragma once
// Builds .vtl bytes field by field, straight from the layout in
// docs/vtl-format.md, so tests can make the files the writer never would.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/crc32.h"
#include "model/design_inputs.h"

namespace vantrel::test {

struct RawEntry {
    std::string name;
    std::string value;
    std::optional<uint32_t> declaredValueLength = {};  // instead of value.size()
    std::optional<uint16_t> declaredNameLength = {};   // instead of name.size()
};

struct RawBag {
    std::vector<RawEntry> entries;
    std::string signature = "VTLB";
    uint16_t version = 1;
    std::optional<uint16_t> declaredCount = {};  // instead of entries.size()
    std::string beforeChecksum = {};             // bytes after the last entry
};

struct RawHeader {
    uint16_t tag = 0x2011;
    uint16_t dimensions = 1;
    std::optional<uint32_t> declaredBagBytes;  // instead of the bag's size
    uint32_t lowerBound = 0;
};

// A number little-endian, in as many bytes as its type has.
template <typename Number>
void Put(std::vector<uint8_t>& out, Number v) {
    for (size_t i = 0; i < sizeof v; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

inline std::vector<uint8_t> BagBytes(const RawBag& bag) {
    std::vector<uint8_t> out(bag.signature.begin(), bag.signature.end());
    Put(out, bag.version);
    Put(out, bag.declaredCount.value_or(static_cast<uint16_t>(bag.entries.size())));
    for (const RawEntry& entry : bag.entries) {
        Put(out, entry.declaredNameLength.value_or(static_cast<uint16_t>(entry.name.size())));
        out.insert(out.end(), entry.name.begin(), entry.name.end());
        Put(out, entry.declaredValueLength.value_or(static_cast<uint32_t>(entry.value.size())));
        out.insert(out.end(), entry.value.begin(), entry.value.end());
    }
    out.insert(out.end(), bag.beforeChecksum.begin(), bag.beforeChecksum.end());
    Put(out, Crc32(out));
    return out;
}

inline std::vector<uint8_t> FileBytes(const RawBag& bag, const RawHeader& header = {}) {
    const std::vector<uint8_t> bagBytes = BagBytes(bag);
    std::vector<uint8_t> out;
    Put(out, header.tag);
    Put(out, header.dimensions);
    Put(out, header.declaredBagBytes.value_or(static_cast<uint32_t>(bagBytes.size())));
    Put(out, header.lowerBound);
    out.insert(out.end(), bagBytes.begin(), bagBytes.end());
    return out;
}

// The 30 entries of the inputs in file order.
inline std::vector<RawEntry> EntriesOf(const DesignInputs& inputs) {
    std::vector<RawEntry> entries;
    for (const InputField& field : kInputFields)
        entries.push_back({std::string(field.name), field.Of(inputs)});
    return entries;
}

}  // namespace vantrel::test
