#pragma once
// Where the programs find their companion files: the sample report, the
// example designs and the report program. A program run from its build
// folder has them beside it; an installed program (cmake --install, the
// Debian package) has the documents in its documentation folder and the
// report program in its libexec folder, found relative to the program's own
// folder so that any installation prefix works.

#include <filesystem>
#include <string>

namespace vantrel::install {

inline constexpr char kSampleReportName[] = "Vantrel_Sample.pdf";
inline constexpr char kExamplesFolderName[] = "examples";
inline constexpr char kReportProgramName[] = "vantrel-report";

// The documentation folder of a program installed in `programDir`.
std::filesystem::path InstalledDocFolder(const std::filesystem::path& programDir);

// The sample report beside the program, else in the installed documentation
// folder; the empty path when neither holds it as a regular file.
std::filesystem::path FindSampleReport(const std::filesystem::path& programDir);

// The folder of example designs, looked for the same way.
std::filesystem::path FindExamples(const std::filesystem::path& programDir);

// The program that writes vantrel-cli's reports: beside the program, else in
// the installation's libexec folder (<prefix>/libexec/vantrel); the empty
// path when neither holds it as a regular file.
std::filesystem::path FindReportProgram(const std::filesystem::path& programDir);

// The folder of the program that runs, as the system names it; the empty
// path when it cannot tell.
std::filesystem::path RunningProgramDir();

// True when the program runs from an installed location, whose installation
// ships the desktop entry (and so the file-type association) itself.
bool RunsFromInstalledLocation(const std::filesystem::path& programDir);

// True when that installation's association is one the desktop reads: its
// data folder (<prefix>/share) is one of `xdgDataDirs` ($XDG_DATA_DIRS,
// folders separated by ":"; empty: /usr/local/share:/usr/share). A copy
// installed below /opt is not, so it needs "vantrel /reg" like a build folder.
bool AssociatedByInstallation(const std::filesystem::path& programDir,
                              const std::string& xdgDataDirs);

}  // namespace vantrel::install
