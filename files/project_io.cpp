// Reading and writing .vtl files on disk.
#include <cstdio>
#include <filesystem>
#include <memory>

#include "project_file.h"
#include "project_header.h"

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vantrel {
namespace {

namespace fs = std::filesystem;

constexpr char kTemporarySuffix[] = ".vantrel-save";

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Paths are UTF-8 everywhere in the program.
fs::path ToPath(const std::string& path) {
    return fs::path(std::u8string(path.begin(), path.end()));
}

// Writing creates the file exclusively ("x"): a file or link already standing
// at that name is never opened, so a link planted where the temporary file
// goes cannot redirect the save into another file.
FileHandle OpenFile(const fs::path& path, bool write) {
#if defined(_WIN32)
    return FileHandle(_wfopen(path.c_str(), write ? L"wbx" : L"rb"));
#else
    return FileHandle(std::fopen(path.c_str(), write ? "wbx" : "rb"));
#endif
}

// A temporary file left by an interrupted save, or a link at its name, is
// removed (a link itself, never what it points to); anything else stays and
// makes the exclusive create fail.
void RemoveStaleTemporary(const fs::path& temporary) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(temporary, ec);
    if (!ec && (fs::is_symlink(status) || fs::is_regular_file(status))) fs::remove(temporary, ec);
}

// Pushes the written bytes to the disk, so the rename that follows never
// exposes a file whose content is still only in memory.
bool SyncFile(std::FILE* file) {
    if (std::fflush(file) != 0) return false;
#if defined(_WIN32)
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// Makes the rename itself durable. Failing here loses nothing: the rename
// has happened, the old or the new file is in place.
void SyncFolder([[maybe_unused]] const fs::path& folder) {
#if !defined(_WIN32)
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
#endif
}

bool IsMarkedReadOnly(const fs::path& target) {
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (ec || !fs::is_regular_file(status)) return false;
    return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

}  // namespace

std::string SaveTemporaryPath(const std::string& path) {
    return path + kTemporarySuffix;
}

ProjectReadResult ReadProjectFile(const std::string& path) {
    const FileHandle file = OpenFile(ToPath(path), false);
    if (!file) return ProjectReadResult{kOpenCannotOpen, {}};

    std::vector<uint8_t> content(kHeaderBytes);
    const size_t headerRead = std::fread(content.data(), 1, kHeaderBytes, file.get());
    if (std::ferror(file.get())) return ProjectReadResult{kOpenReadFailed, {}};
    if (headerRead < kHeaderBytes) return ProjectReadResult{kOpenHeaderTruncated, {}};
    // The header is checked before anything is allocated for the bag.
    if (const int error = CheckHeader(content)) return ProjectReadResult{error, {}};

    const uint32_t bagBytes = HeaderBagBytes(content);
    content.resize(kHeaderBytes + bagBytes);
    const size_t bagRead = std::fread(content.data() + kHeaderBytes, 1, bagBytes, file.get());
    if (std::ferror(file.get())) return ProjectReadResult{kOpenReadFailed, {}};
    if (bagRead < bagBytes) return ProjectReadResult{kOpenBagTruncated, {}};
    return DecodeProject(content);
}

int WriteProjectFile(const std::string& path, const DesignInputs& inputs) {
    if (const int error = CheckSavable(inputs)) return error;
    const std::vector<uint8_t> content = EncodeProject(inputs);

    fs::path target = ToPath(path);
    std::error_code ec;
    // Saving through a link replaces the file it names, not the link.
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) target = resolved;
    }
    if (IsMarkedReadOnly(target)) return kSaveTargetReadOnly;

    fs::path temporary = target;
    temporary += kTemporarySuffix;
    RemoveStaleTemporary(temporary);
    {
        FileHandle file = OpenFile(temporary, true);
        if (!file) return kSaveCannotCreate;
        const bool written =
            std::fwrite(content.data(), 1, content.size(), file.get()) == content.size() &&
            SyncFile(file.get());
        const bool closed = std::fclose(file.release()) == 0;
        if (!written || !closed) {
            fs::remove(temporary, ec);
            return kSaveWriteFailed;
        }
    }
    if (fs::exists(target, ec))
        fs::permissions(temporary, fs::status(target, ec).permissions(), ec);
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return kSaveReplaceFailed;
    }
    SyncFolder(target.parent_path());
    return kFileOk;
}

}  // namespace vantrel
