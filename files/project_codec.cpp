// The file content: the 12-byte header, then the bag of the 30 inputs.
#include "model/number_text.h"
#include "project_file.h"
#include "project_header.h"
#include "property_bag.h"
#include "utf8.h"

namespace vantrel {
namespace {

ProjectReadResult Failure(int error) {
    return ProjectReadResult{error, {}};
}

// Opening shows loads with three decimals and locations with two; a text
// that is not a number goes back as it was.
std::string PutBack(const InputField& field, const std::string& stored) {
    if (field.kind == InputKind::Text) return stored;
    const ParsedNumber number = ParseNumber(stored);
    if (!number.ok()) return stored;
    return Format(number.value, field.kind == InputKind::Location ? "0.00" : "0.000");
}

bool HasEntry(const std::vector<BagEntry>& entries, std::string_view name) {
    for (const BagEntry& entry : entries)
        if (entry.name == name) return true;
    return false;
}

}  // namespace

int CheckSavable(const DesignInputs& inputs) {
    for (const InputField& field : kInputFields) {
        const std::string& text = field.Of(inputs);
        if (text.size() > kMaxValueBytes) return kSaveTextTooLong;
        if (!IsWellFormedUtf8(text)) return kSaveTextNotUtf8;
    }
    return kFileOk;
}

std::vector<uint8_t> EncodeProject(const DesignInputs& inputs) {
    std::vector<BagEntry> entries;
    entries.reserve(kInputFields.size());
    for (const InputField& field : kInputFields) {
        std::string text = field.Of(inputs);
        // The window saves its frame-type option, which is one of the two.
        if (field.name == "FRAMETYPE") text = inputs.IsSMRF() ? "SMRF" : "OMRF";
        entries.push_back(BagEntry{std::string(field.name), std::move(text)});
    }
    const std::vector<uint8_t> bag = EncodeBag(entries);

    std::vector<uint8_t> content;
    content.reserve(kHeaderBytes + bag.size());
    PutHeader(content, static_cast<uint32_t>(bag.size()));
    content.insert(content.end(), bag.begin(), bag.end());
    return content;
}

ProjectReadResult DecodeProject(std::span<const uint8_t> content) {
    if (content.size() < kHeaderBytes) return Failure(kOpenHeaderTruncated);
    if (const int error = CheckHeader(content)) return Failure(error);
    const uint32_t bagBytes = HeaderBagBytes(content);
    if (content.size() - kHeaderBytes < bagBytes) return Failure(kOpenBagTruncated);

    const BagDecodeResult bag = DecodeBag(content.subspan(kHeaderBytes, bagBytes));
    if (bag.error != kFileOk) return Failure(bag.error);

    ProjectReadResult result;
    for (const InputField& field : kInputFields) {
        for (const BagEntry& entry : bag.entries) {
            if (entry.name == field.name) {
                field.Of(result.inputs) = PutBack(field, entry.value);
                break;
            }
        }
    }
    if (!result.inputs.IsSMRF()) result.inputs.FRAMETYPE = "OMRF";
    // Files written before the column inputs existed open with their defaults.
    if (!HasEntry(bag.entries, "ColumnAxialLoad")) result.inputs.ColumnAxialLoad = "0.000";
    if (!HasEntry(bag.entries, "ColumnAbove")) result.inputs.ColumnAbove = "No";
    return result;
}

}  // namespace vantrel
