#pragma once
// Writing and reading whole files where the target may be anything: a
// device, a FIFO, a link, another user's file, a full disk. Paths are byte
// strings, used exactly as given (a name need not be UTF-8).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vantrel {

// Replaces the file at path with content, whole or not at all:
// - a target that exists and is not a regular file (device, FIFO, socket,
//   folder) is refused before anything is written (kSaveNotRegularFile);
// - a link is followed to the file it names, also when that file does not
//   exist yet; a link loop is refused (kSaveLinkLoop);
// - a target without write permission is refused (kSaveTargetReadOnly);
// - the content goes to a temporary file of a unique name in the target's
//   folder, created exclusively, synced, given the target's owner, group and
//   mode (kSaveOwnerNotKept where they cannot be kept) and renamed over it;
// - any failure removes the temporary file and leaves the target as it was.
// Returns 0 or one of the kSave... numbers of ProjectFileError.
int ReplaceFileContent(const std::string& path, std::span<const uint8_t> content);

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

  private:
    int fd_ = -1;
    int error_ = 0;
};

// A file-size limit makes writing fail with an error instead of ending the
// process with SIGXFSZ. Called by ReplaceFileContent before it writes.
void IgnoreFileSizeSignal();

}  // namespace vantrel
