// Reading and writing .vtl files on disk.
#include <functional>

#include "project_file.h"
#include "project_header.h"
#include "safe_file.h"
#include "standard_streams.h"

namespace vantrel {

namespace {

// Appends up to count bytes to out; false on an I/O error.
using ReadBytes = std::function<bool(size_t count, std::vector<uint8_t>& out)>;

// The header first, then at most the bag it announces, whatever follows.
ProjectReadResult ReadProject(const ReadBytes& read) {
    std::vector<uint8_t> content;
    if (!read(kHeaderBytes, content)) return ProjectReadResult{kOpenReadFailed, {}};
    if (content.size() < kHeaderBytes) return ProjectReadResult{kOpenHeaderTruncated, {}};
    // The header is checked before anything is allocated for the bag.
    if (const int error = CheckHeader(content)) return ProjectReadResult{error, {}};

    const uint32_t bagBytes = HeaderBagBytes(content);
    if (!read(bagBytes, content)) return ProjectReadResult{kOpenReadFailed, {}};
    if (content.size() < kHeaderBytes + bagBytes) return ProjectReadResult{kOpenBagTruncated, {}};
    return DecodeProject(content);
}

}  // namespace

ProjectReadResult ReadProjectFile(const std::string& path) {
    RegularFileReader file(path);
    if (file.error() != 0) return ProjectReadResult{file.error(), {}};
    return ReadProject(
        [&](size_t count, std::vector<uint8_t>& out) { return file.Read(count, out); });
}

ProjectReadResult ReadProjectStream(int fd) {
    DescriptorReader stream(fd);
    return ReadProject(
        [&](size_t count, std::vector<uint8_t>& out) { return stream.Read(count, out); });
}

int WriteProjectFile(const std::string& path, const DesignInputs& inputs) {
    if (const int error = CheckSavable(inputs)) return error;
    return ReplaceFileContent(path, EncodeProject(inputs));
}

}  // namespace vantrel
