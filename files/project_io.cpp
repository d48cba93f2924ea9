// Reading and writing .vtl files on disk.
#include "project_file.h"
#include "project_header.h"
#include "safe_file.h"

namespace vantrel {

ProjectReadResult ReadProjectFile(const std::string& path) {
    RegularFileReader file(path);
    if (file.error() != 0) return ProjectReadResult{file.error(), {}};

    std::vector<uint8_t> content;
    if (!file.Read(kHeaderBytes, content)) return ProjectReadResult{kOpenReadFailed, {}};
    if (content.size() < kHeaderBytes) return ProjectReadResult{kOpenHeaderTruncated, {}};
    // The header is checked before anything is allocated for the bag.
    if (const int error = CheckHeader(content)) return ProjectReadResult{error, {}};

    const uint32_t bagBytes = HeaderBagBytes(content);
    if (!file.Read(bagBytes, content)) return ProjectReadResult{kOpenReadFailed, {}};
    if (content.size() < kHeaderBytes + bagBytes) return ProjectReadResult{kOpenBagTruncated, {}};
    return DecodeProject(content);
}

int WriteProjectFile(const std::string& path, const DesignInputs& inputs) {
    if (const int error = CheckSavable(inputs)) return error;
    return ReplaceFileContent(path, EncodeProject(inputs));
}

}  // namespace vantrel
