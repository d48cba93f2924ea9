#include "property_bag.h"

#include <algorithm>
#include <cstring>

#include "byte_order.h"
#include "crc32.h"
#include "project_file.h"
#include "utf8.h"

namespace vantrel {

bool IsValidBagName(std::string_view name) {
    if (name.empty() || name.size() > kMaxNameBytes) return false;
    return std::all_of(name.begin(), name.end(), [](char ch) {
        return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
               ch == '_';
    });
}

std::vector<uint8_t> EncodeBag(std::span<const BagEntry> entries) {
    std::vector<uint8_t> out(std::begin(kBagSignature), std::end(kBagSignature));
    PutU16(out, kBagVersion);
    PutU16(out, static_cast<uint16_t>(entries.size()));
    for (const BagEntry& entry : entries) {
        PutU16(out, static_cast<uint16_t>(entry.name.size()));
        out.insert(out.end(), entry.name.begin(), entry.name.end());
        PutU32(out, static_cast<uint32_t>(entry.value.size()));
        out.insert(out.end(), entry.value.begin(), entry.value.end());
    }
    PutU32(out, Crc32(out));
    return out;
}

namespace {

// Reads forward through the entry area, never past its end.
class EntryReader {
  public:
    explicit EntryReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    bool ReadU16(uint16_t& v) {
        if (Remaining() < 2) return false;
        v = GetU16(bytes_, at_);
        at_ += 2;
        return true;
    }
    bool ReadU32(uint32_t& v) {
        if (Remaining() < 4) return false;
        v = GetU32(bytes_, at_);
        at_ += 4;
        return true;
    }
    bool ReadText(size_t length, std::string& text) {
        if (Remaining() < length) return false;
        text.assign(reinterpret_cast<const char*>(bytes_.data() + at_), length);
        at_ += length;
        return true;
    }
    size_t Remaining() const { return bytes_.size() - at_; }

  private:
    std::span<const uint8_t> bytes_;
    size_t at_ = 0;
};

BagDecodeResult Failure(int error) {
    return BagDecodeResult{error, {}};
}

}  // namespace

BagDecodeResult DecodeBag(std::span<const uint8_t> bag) {
    if (bag.size() < kMinBagBytes) return Failure(kOpenBagShort);
    if (std::memcmp(bag.data(), kBagSignature, sizeof kBagSignature) != 0)
        return Failure(kOpenBagSignature);
    if (GetU16(bag, 4) != kBagVersion) return Failure(kOpenBagVersion);
    const size_t checked = bag.size() - 4;
    if (Crc32(bag.first(checked)) != GetU32(bag, checked)) return Failure(kOpenBagChecksum);

    const uint16_t count = GetU16(bag, 6);
    if (count > kMaxBagEntries) return Failure(kOpenTooManyEntries);

    EntryReader reader(bag.subspan(8, checked - 8));
    BagDecodeResult result;
    result.entries.reserve(count);
    for (uint16_t i = 0; i < count; ++i) {
        BagEntry entry;
        uint16_t nameLength = 0;
        uint32_t valueLength = 0;
        if (!reader.ReadU16(nameLength)) return Failure(kOpenEntryTruncated);
        if (nameLength == 0 || nameLength > kMaxNameBytes) return Failure(kOpenBadName);
        if (!reader.ReadText(nameLength, entry.name)) return Failure(kOpenEntryTruncated);
        if (!IsValidBagName(entry.name)) return Failure(kOpenBadName);
        for (const BagEntry& earlier : result.entries)
            if (earlier.name == entry.name) return Failure(kOpenDuplicateName);
        if (!reader.ReadU32(valueLength)) return Failure(kOpenEntryTruncated);
        if (valueLength > kMaxValueBytes) return Failure(kOpenValueTooLong);
        if (!reader.ReadText(valueLength, entry.value)) return Failure(kOpenEntryTruncated);
        if (!IsWellFormedUtf8(entry.value)) return Failure(kOpenValueNotUtf8);
        result.entries.push_back(std::move(entry));
    }
    if (reader.Remaining() != 0) return Failure(kOpenBagTrailingBytes);
    return result;
}

}  // namespace vantrel
