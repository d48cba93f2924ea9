#pragma once
// Builds .vtl bytes field by field, straight from the layout in
// docs/vtl-format.md, so tests can make the files the writer never would.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "files/crc32.h"
#include "model/design_inputs.h"

namespace vantrel::test {

struct RawEntry {
    std::string name;
    std::string value;
    std::optional<uint32_t> declaredValueLength;  // instead of value.size()
    std::optional<uint16_t> declaredNameLength;   // instead of name.size()
};

struct RawBag {
    RawBag() = default;
    explicit RawBag(std::vector<RawEntry> list) : entries(std::move(list)) {}

    std::vector<RawEntry> entries;
    std::string signature = "VTLB";
    uint16_t version = 1;
    std::optional<uint16_t> declaredCount;  // instead of entries.size()
    std::string beforeChecksum;             // bytes after the last entry
    bool goodChecksum = true;
};

struct RawHeader {
    uint16_t tag = 0x2011;
    uint16_t dimensions = 1;
    std::optional<uint32_t> declaredBagBytes;  // instead of the bag's size
    uint32_t lowerBound = 0;
};

inline void Put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

inline void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, static_cast<uint16_t>(v & 0xFFFF));
    Put16(out, static_cast<uint16_t>(v >> 16));
}

inline void PutText(std::vector<uint8_t>& out, const std::string& text) {
    out.insert(out.end(), text.begin(), text.end());
}

inline std::vector<uint8_t> BagBytes(const RawBag& bag) {
    std::vector<uint8_t> out;
    PutText(out, bag.signature);
    Put16(out, bag.version);
    Put16(out, bag.declaredCount.value_or(static_cast<uint16_t>(bag.entries.size())));
    for (const RawEntry& entry : bag.entries) {
        Put16(out, entry.declaredNameLength.value_or(static_cast<uint16_t>(entry.name.size())));
        PutText(out, entry.name);
        Put32(out, entry.declaredValueLength.value_or(static_cast<uint32_t>(entry.value.size())));
        PutText(out, entry.value);
    }
    PutText(out, bag.beforeChecksum);
    const uint32_t crc = Crc32(out);
    Put32(out, bag.goodChecksum ? crc : crc ^ 1u);
    return out;
}

inline std::vector<uint8_t> FileBytes(const RawBag& bag, const RawHeader& header = {},
                                      const std::string& after = {}) {
    const std::vector<uint8_t> bagBytes = BagBytes(bag);
    std::vector<uint8_t> out;
    Put16(out, header.tag);
    Put16(out, header.dimensions);
    Put32(out, header.declaredBagBytes.value_or(static_cast<uint32_t>(bagBytes.size())));
    Put32(out, header.lowerBound);
    out.insert(out.end(), bagBytes.begin(), bagBytes.end());
    PutText(out, after);
    return out;
}

// The 28 entries of the inputs in file order.
inline std::vector<RawEntry> EntriesOf(const DesignInputs& inputs) {
    std::vector<RawEntry> entries;
    for (const InputField& field : kInputFields)
        entries.push_back(RawEntry{std::string(field.name), field.Of(inputs), {}, {}});
    return entries;
}

}  // namespace vantrel::test
