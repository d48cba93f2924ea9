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

bool DescriptorReader::Read(size_t count, std::vector<uint8_t>& out) {
    const size_t start = out.size();
    out.resize(start + count);
    size_t done = 0;
    while (done < count) {
        const ssize_t got = read(fd_, out.data() + start + done, count - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            out.resize(start + done);
            return false;
        }
        if (got == 0) break;
        done += static_cast<size_t>(got);
    }
    out.resize(start + done);
    return true;
}

}  // namespace vantrel
