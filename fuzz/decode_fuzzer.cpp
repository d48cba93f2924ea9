// libFuzzer target: DecodeProject on arbitrary bytes.
//
// Beyond "no crash, no leak, no huge allocation" it checks what opening
// promises: a refused file yields no inputs at all, and inputs that open
// save and open again unchanged.
#include <cstdint>
#include <span>
#include <vector>

#include "files/byte_order.h"
#include "files/crc32.h"
#include "files/project_file.h"
#include "files/property_bag.h"

namespace {

using vantrel::DesignInputs;
using vantrel::ProjectReadResult;

void CheckDecode(std::span<const uint8_t> content) {
    const ProjectReadResult read = vantrel::DecodeProject(content);
    if (!read.ok()) {
        if (!(read.inputs == DesignInputs{})) __builtin_trap();
        return;
    }
    if (vantrel::CheckSavable(read.inputs) != vantrel::kFileOk) __builtin_trap();
    const ProjectReadResult again = vantrel::DecodeProject(vantrel::EncodeProject(read.inputs));
    if (!again.ok() || !(again.inputs == read.inputs)) __builtin_trap();
}

// Nearly every mutation breaks the bag's checksum, which would keep the
// fuzzer out of the entry parser; so each input is also tried with its
// checksum made right.
void CheckWithRepairedChecksum(std::span<const uint8_t> content) {
    constexpr size_t kHeader = 12;
    if (content.size() < kHeader) return;
    const uint32_t bagBytes = vantrel::GetU32(content, 4);
    if (bagBytes < vantrel::kMinBagBytes || bagBytes > content.size() - kHeader) return;
    std::vector<uint8_t> repaired(content.begin(), content.end());
    const size_t checksumAt = kHeader + bagBytes - 4;
    const uint32_t crc =
        vantrel::Crc32(std::span<const uint8_t>(repaired).subspan(kHeader, bagBytes - 4));
    for (int i = 0; i < 4; ++i) repaired[checksumAt + i] = static_cast<uint8_t>(crc >> (8 * i));
    CheckDecode(repaired);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> content(data, size);
    CheckDecode(content);
    CheckWithRepairedChecksum(content);
    return 0;
}
