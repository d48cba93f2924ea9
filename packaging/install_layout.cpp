#include "packaging/install_layout.h"

#include <algorithm>
#include <system_error>

#ifndef VANTREL_BIN_TO_DOC
#error "VANTREL_BIN_TO_DOC must come from the build"
#endif
#ifndef VANTREL_BIN_TO_DATA
#error "VANTREL_BIN_TO_DATA must come from the build"
#endif
#ifndef VANTREL_BIN_TO_LIBEXEC
#error "VANTREL_BIN_TO_LIBEXEC must come from the build"
#endif

namespace vantrel::install {
namespace {

namespace fs = std::filesystem;

enum class Kind { File, Folder };

bool Holds(const fs::path& path, Kind kind) {
    std::error_code error;  // an unreadable place counts as not holding it
    const fs::file_status status = fs::status(path, error);
    if (error) return false;
    return kind == Kind::File ? fs::is_regular_file(status) : fs::is_directory(status);
}

// name beside the program, else in its installed folder.
fs::path Find(const fs::path& programDir, const fs::path& installed, const std::string& name,
              Kind kind) {
    if (programDir.empty()) return {};  // never the working folder by accident
    for (const fs::path& folder : {programDir, installed}) {
        const fs::path candidate = folder / name;
        if (Holds(candidate, kind)) return candidate;
    }
    return {};
}

}  // namespace

fs::path InstalledDocFolder(const fs::path& programDir) {
    return (programDir / VANTREL_BIN_TO_DOC).lexically_normal();
}

fs::path FindSampleReport(const fs::path& programDir) {
    return Find(programDir, InstalledDocFolder(programDir), kSampleReportName, Kind::File);
}

fs::path FindExamples(const fs::path& programDir) {
    return Find(programDir, InstalledDocFolder(programDir), kExamplesFolderName, Kind::Folder);
}

fs::path FindReportProgram(const fs::path& programDir) {
    const fs::path libexec = (programDir / VANTREL_BIN_TO_LIBEXEC).lexically_normal();
    return Find(programDir, libexec, kReportProgramName, Kind::File);
}

fs::path RunningProgramDir() {
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : program.parent_path();
}

bool RunsFromInstalledLocation(const fs::path& programDir) {
    const fs::path entry = programDir / VANTREL_BIN_TO_DATA / "applications" / "vantrel.desktop";
    return Holds(entry.lexically_normal(), Kind::File);
}

bool AssociatedByInstallation(const fs::path& programDir, const std::string& xdgDataDirs) {
    if (programDir.empty() || !RunsFromInstalledLocation(programDir)) return false;
    std::error_code error;
    const fs::path data = fs::weakly_canonical(programDir / VANTREL_BIN_TO_DATA, error);
    if (error) return false;
    const std::string dirs = xdgDataDirs.empty() ? "/usr/local/share:/usr/share" : xdgDataDirs;
    size_t start = 0;
    while (start <= dirs.size()) {
        const size_t end = std::min(dirs.find(':', start), dirs.size());
        const fs::path dir(dirs.substr(start, end - start));
        if (dir.is_absolute()) {
            const fs::path canonical = fs::weakly_canonical(dir, error);
            if (!error && (canonical == data || canonical == data / "")) return true;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace vantrel::install
