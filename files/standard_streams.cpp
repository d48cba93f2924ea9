#include "standard_streams.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

namespace vantrel {
namespace {

struct FileId {
    dev_t device;
    ino_t inode;
    bool operator==(const FileId&) const = default;
};

std::optional<FileId> IdOfDescriptor(int fd) {
    struct stat st {};
    if (fstat(fd, &st) != 0) return std::nullopt;
    return FileId{st.st_dev, st.st_ino};
}

std::optional<FileId> IdOfPath(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return std::nullopt;
    return FileId{st.st_dev, st.st_ino};
}

}  // namespace

bool NamesStandardOutput(const std::string& path) {
    if (path == kStandardStreamName) return true;
    const auto out = IdOfDescriptor(STDOUT_FILENO);
    return out && IdOfPath(path) == out;
}

bool IsSameFile(const std::string& input, const std::string& output) {
    if (input == kStandardStreamName) return false;
    const auto in = IdOfPath(input);
    const auto out = NamesStandardOutput(output) ? IdOfDescriptor(STDOUT_FILENO) : IdOfPath(output);
    return in && out && *in == *out;
}

}  // namespace vantrel
