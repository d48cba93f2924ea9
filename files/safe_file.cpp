// Whole-file writes and guarded reads on POSIX systems.
#include "safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <mutex>
#include <random>

#include "project_file.h"

namespace vantrel {
namespace {

// More links than this in a row is a loop, as the kernel counts (ELOOP).
constexpr int kMaxLinks = 40;
constexpr int kMaxNameAttempts = 100;

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

struct Target {
    int error = 0;
    std::string path;  // the file to replace or create, links followed
    bool exists = false;
    struct stat status {};
};

// Follows links one at a time, so a link whose file does not exist yet still
// names where the file goes.
Target ResolveTarget(const std::string& given) {
    Target target;
    target.path = given;
    for (int links = 0; links <= kMaxLinks; ++links) {
        if (lstat(target.path.c_str(), &target.status) != 0) {
            if (errno != ENOENT) target.error = kSaveCannotCreate;
            return target;
        }
        if (!S_ISLNK(target.status.st_mode)) {
            target.exists = true;
            if (!S_ISREG(target.status.st_mode)) target.error = kSaveNotRegularFile;
            return target;
        }
        std::string named(static_cast<size_t>(target.status.st_size) + 256, '\0');
        const ssize_t length = readlink(target.path.c_str(), named.data(), named.size());
        if (length < 0 || static_cast<size_t>(length) >= named.size()) {
            target.error = kSaveCannotCreate;
            return target;
        }
        named.resize(static_cast<size_t>(length));
        if (named.empty()) {
            target.error = kSaveCannotCreate;
            return target;
        }
        target.path = named.front() == '/' ? named : FolderOf(target.path) + "/" + named;
    }
    target.error = kSaveLinkLoop;
    return target;
}

bool IsWritable(const Target& target) {
    if ((target.status.st_mode & S_IWUSR) == 0) return false;
    return faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) == 0;
}

// A short name, whatever the target's length: a 250-byte target name still
// leaves room for it within the folder's name limit. Drawn afresh from the
// system's random source each time, so processes forked from one parent
// never share a sequence of names.
std::string TemporaryName() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device source;
    uint64_t bits = (static_cast<uint64_t>(source()) << 32) ^ source();
    std::string name = ".vantrel-";
    for (int i = 0; i < 12; ++i, bits /= sizeof kLetters - 1)
        name += kLetters[bits % (sizeof kLetters - 1)];
    return name + ".tmp";
}

bool WriteAll(int fd, std::span<const uint8_t> content) {
    size_t done = 0;
    while (done < content.size()) {
        const ssize_t written = write(fd, content.data() + done, content.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<size_t>(written);
    }
    return fsync(fd) == 0;
}

// The new file takes the replaced file's owner, group and mode; a new file
// keeps what creating it gave (the umask applied).
int KeepOwnership(int fd, const Target& target) {
    if (!target.exists) return 0;
    struct stat created {};
    if (fstat(fd, &created) != 0) return kSaveWriteFailed;
    if (created.st_uid != target.status.st_uid || created.st_gid != target.status.st_gid) {
        if (fchown(fd, target.status.st_uid, target.status.st_gid) != 0) return kSaveOwnerNotKept;
    }
    if (fchmod(fd, target.status.st_mode & 07777) != 0) return kSaveOwnerNotKept;
    return 0;
}

void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

void IgnoreFileSizeSignal() {
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

int ReplaceFileContent(const std::string& path, std::span<const uint8_t> content) {
    IgnoreFileSizeSignal();
    if (path.empty()) return kSaveCannotCreate;
    const Target target = ResolveTarget(path);
    if (target.error != 0) return target.error;
    if (target.exists && !IsWritable(target)) return kSaveTargetReadOnly;

    const std::string folder = FolderOf(target.path);
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < kMaxNameAttempts && fd < 0; ++attempt) {
        temporary = folder + "/" + TemporaryName();
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) return kSaveCannotCreate;

    int error = WriteAll(fd, content) ? KeepOwnership(fd, target) : kSaveWriteFailed;
    if (close(fd) != 0 && error == 0) error = kSaveWriteFailed;
    if (error == 0 && rename(temporary.c_str(), target.path.c_str()) != 0)
        error = kSaveReplaceFailed;
    if (error != 0) {
        unlink(temporary.c_str());
        return error;
    }
    SyncFolder(folder);
    return 0;
}

RegularFileReader::RegularFileReader(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        error_ = kOpenNotRegularFile;
        return;
    }
    // Non-blocking, so a FIFO without a writer cannot hold the open; the
    // type is checked on the descriptor itself, so nothing can be swapped in
    // between the check and the read.
    fd_ = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) {
        error_ = kOpenCannotOpen;
        return;
    }
    if (fstat(fd_, &status) != 0) {
        error_ = kOpenCannotOpen;
    } else if (!S_ISREG(status.st_mode)) {
        error_ = kOpenNotRegularFile;
    }
}

RegularFileReader::~RegularFileReader() {
    if (fd_ >= 0) close(fd_);
}

bool RegularFileReader::Read(size_t count, std::vector<uint8_t>& out) {
    if (error_ != 0) return false;
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
