#pragma once
// Writing and reading whole files where the target may be anything: a
// device, a FIFO, a link, another user's file, a full disk. Paths are byte
// strings, used exactly as given (a name need not be UTF-8).

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

class TemporaryFileGuard;

// Replaces the file at path with content written piece by piece, whole or
// not at all:
// - a target that exists and is not a regular file (device, FIFO, socket,
//   folder) is refused before anything is written (kSaveNotRegularFile);
// - a link is followed to the file it names, also when that file does not
//   exist yet; a link loop is refused (kSaveLinkLoop); in a sticky folder
//   writable by all (/tmp), a link is followed only when its owner is the
//   user or the folder's owner, as the kernel's fs.protected_symlinks does
//   (kSaveLinkNotFollowed);
// - a target without write permission is refused (kSaveTargetReadOnly);
// - the content goes to a temporary file of a unique name (".vantrel-",
//   12 random letters, ".tmp") in the target's folder, created exclusively
//   and readable by its owner only while it is written; Commit syncs it,
//   gives it the target's owner, group and mode (kSaveOwnerNotKept where they
//   cannot be kept) or, for a new file, 0666 less the umask, and renames it
//   over the target;
// - any failure, a replacement never committed, and SIGTERM, SIGHUP or
//   SIGINT during the write remove the temporary file and leave the target
//   as it was.
class FileReplacement {
  public:
    explicit FileReplacement(const std::string& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // 0 or the first kSave... number of ProjectFileError met so far.
    int error() const { return error_; }
    // Appends a piece; false once anything has failed.
    bool Write(std::string_view piece);
    // Makes the content the target's; 0 or a kSave... number.
    int Commit();

  private:
    bool Flush();
    void Discard();

    int error_ = 0;
    int fd_ = -1;
    bool wroteOnce_ = false;
    std::string target_;
    std::string temporary_;
    bool targetExists_ = false;
    uid_t owner_ = 0;
    gid_t group_ = 0;
    mode_t mode_ = 0;
    std::string buffer_;
    std::unique_ptr<TemporaryFileGuard> guard_;
};

// The whole content at once, as FileReplacement writes it. Returns 0 or one
// of the kSave... numbers of ProjectFileError.
int ReplaceFileContent(const std::string& path, std::span<const uint8_t> content);

// For tests only: called with the temporary file's path once a replacement
// has written its first bytes, before it syncs, widens its mode and renames
// it; a test holds the write there.
void SetFirstWriteHookForTesting(void (*hook)(const char* temporaryPath));

// A file opened for reading that is known to be a regular file. The open
// never blocks (a FIFO without a writer) and anything that is not a regular
// file is refused (kOpenNotRegularFile) before a byte is read.
class RegularFileReader {
  public:
    explicit RegularFileReader(const std::string& path);
    ~RegularFileReader();
    RegularFileReader(const RegularFileReader&) = delete;
    RegularFileReader& operator=(const RegularFileReader&) = delete;

    // 0, kOpenCannotOpen or kOpenNotRegularFile.
    int error() const { return error_; }
    // Appends up to count bytes to out (fewer at the end of the file);
    // false on an I/O error.
    bool Read(size_t count, std::vector<uint8_t>& out);
    // Up to size bytes into buffer: the count, 0 at the end, -1 on an error.
    ptrdiff_t ReadSome(char* buffer, size_t size);

  private:
    int fd_ = -1;
    int error_ = 0;
};

// A file-size limit makes writing fail with an error instead of ending the
// process with SIGXFSZ. Called by FileReplacement before it writes.
void IgnoreFileSizeSignal();

}  // namespace vantrel
