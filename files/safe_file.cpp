// Whole-file writes, written at once or piece by piece, and guarded reads
// on POSIX systems.
#include "safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <random>

#include "descriptor_read.h"
#include "project_file.h"
#include "temporary_cleanup.h"

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

// The kernel's fs.protected_symlinks rule, applied whatever the setting: in
// a sticky folder that all may write to, a link is followed only when its
// owner is the user or the folder's owner, so a link another user planted in
// /tmp cannot lead a save onto a file of the user's.
int MayFollow(const std::string& link, const struct stat& linkStatus) {
    struct stat folder {};
    if (stat(FolderOf(link).c_str(), &folder) != 0) return kSaveCannotCreate;
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    if (!shared || linkStatus.st_uid == geteuid() || linkStatus.st_uid == folder.st_uid) return 0;
    return kSaveLinkNotFollowed;
}

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
        if ((target.error = MayFollow(target.path, target.status)) != 0) return target;
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

// The process's umask, read without changing it where the system tells it
// (changing it, even for a moment, would touch files other threads create).
mode_t CurrentUmask() {
    if (FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned mask = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, status))
            found = std::sscanf(line, "Umask: %o", &mask) == 1;
        std::fclose(status);
        if (found) return static_cast<mode_t>(mask);
    }
    const mode_t mask = umask(022);
    umask(mask);
    return mask;
}

void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

constexpr size_t kBufferBytes = size_t{1} << 16;

void (*firstWriteHook)(const char*) = nullptr;

}  // namespace

void IgnoreFileSizeSignal() {
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

void SetFirstWriteHookForTesting(void (*hook)(const char* temporaryPath)) {
    firstWriteHook = hook;
}

FileReplacement::FileReplacement(const std::string& path) {
    IgnoreFileSizeSignal();
    if (path.empty()) {
        error_ = kSaveCannotCreate;
        return;
    }
    const Target target = ResolveTarget(path);
    if ((error_ = target.error) != 0) return;
    if (target.exists && !IsWritable(target)) {
        error_ = kSaveTargetReadOnly;
        return;
    }
    target_ = target.path;
    targetExists_ = target.exists;
    owner_ = target.status.st_uid;
    group_ = target.status.st_gid;
    mode_ = target.exists ? target.status.st_mode & 07777 : 0666 & ~CurrentUmask();

    // Private while it is written: the mode is widened only once it is whole.
    const std::string folder = FolderOf(target_);
    for (int attempt = 0; attempt < kMaxNameAttempts && fd_ < 0; ++attempt) {
        temporary_ = folder + "/" + TemporaryName();
        guard_ = std::make_unique<TemporaryFileGuard>(temporary_);
        fd_ = open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd_ >= 0) break;
        const bool taken = errno == EEXIST;
        guard_.reset();
        if (!taken) break;
    }
    if (fd_ < 0) error_ = kSaveCannotCreate;
    buffer_.reserve(kBufferBytes);
}

FileReplacement::~FileReplacement() {
    if (fd_ >= 0) Discard();
}

void FileReplacement::Discard() {
    close(fd_);
    fd_ = -1;
    unlink(temporary_.c_str());
    guard_.reset();
}

bool FileReplacement::Flush() {
    size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t written = write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            error_ = kSaveWriteFailed;
            return false;
        }
        done += static_cast<size_t>(written);
        if (!wroteOnce_ && firstWriteHook) firstWriteHook(temporary_.c_str());
        wroteOnce_ = true;
    }
    buffer_.clear();
    return true;
}

bool FileReplacement::Write(std::string_view piece) {
    if (error_ != 0) return false;
    buffer_.append(piece);
    return buffer_.size() < kBufferBytes || Flush();
}

int FileReplacement::Commit() {
    if (error_ != 0 || !Flush()) {
        if (fd_ >= 0) Discard();
        return error_;
    }
    if (fsync(fd_) != 0) error_ = kSaveWriteFailed;
    // A replaced file's owner and group first (a change of owner clears the
    // set-user-ID bits), then the mode that opens the file to others.
    struct stat created {};
    if (error_ == 0 && targetExists_) {
        if (fstat(fd_, &created) != 0) {
            error_ = kSaveWriteFailed;
        } else if ((created.st_uid != owner_ || created.st_gid != group_) &&
                   fchown(fd_, owner_, group_) != 0) {
            error_ = kSaveOwnerNotKept;
        }
    }
    // A new file on a file system without modes stays private rather than failing.
    if (error_ == 0 && fchmod(fd_, mode_) != 0 && targetExists_) error_ = kSaveOwnerNotKept;
    if (close(fd_) != 0 && error_ == 0) error_ = kSaveWriteFailed;
    fd_ = -1;
    if (error_ == 0 && rename(temporary_.c_str(), target_.c_str()) != 0)
        error_ = kSaveReplaceFailed;
    if (error_ != 0) unlink(temporary_.c_str());
    guard_.reset();
    if (error_ == 0) SyncFolder(FolderOf(target_));
    return error_;
}

int ReplaceFileContent(const std::string& path, std::span<const uint8_t> content) {
    FileReplacement file(path);
    file.Write(std::string_view(reinterpret_cast<const char*>(content.data()), content.size()));
    return file.Commit();
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
    return error_ == 0 && AppendFromDescriptor(fd_, count, out);
}

ptrdiff_t RegularFileReader::ReadSome(char* buffer, size_t size) {
    return error_ != 0 ? -1 : ReadFromDescriptor(fd_, buffer, size);
}

}  // namespace vantrel
