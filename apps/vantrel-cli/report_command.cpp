// vantrel-cli report: runs vantrel-report, the program that paints the report
// with Qt, with the same arguments, and ends with its status. The report
// program writes to the same standard output and error.

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ostream>

#include "commands.h"
#include "packaging/install_layout.h"
#include "standard_output.h"

extern char** environ;

namespace vantrel::cli {
namespace {

// The report program's status, or -1 (with a message on err) when it could
// not run or did not end by itself.
int RunProgram(const std::string& program, const std::vector<std::string>& args,
               std::ostream& err) {
    std::vector<std::string> words = {program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    const int error = posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ);
    if (error != 0) {
        err << "vantrel-cli: cannot run the report program " << program << ": "
            << std::strerror(error) << '\n';
        return -1;
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno == EINTR) continue;
        err << "vantrel-cli: lost the report program " << program << ": " << std::strerror(errno)
            << '\n';
        return -1;
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    // Its standard output, which is ours, met a closed pipe: so would ours.
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE) EndByClosedPipe();
    err << "vantrel-cli: the report program " << program << " ended abnormally\n";
    return -1;
}

}  // namespace

int ReportCommand(const ParsedCommand& command, Streams s) {
    const std::filesystem::path program = install::FindReportProgram(install::RunningProgramDir());
    if (program.empty()) {
        s.err << "vantrel-cli: cannot write reports: the report program "
              << install::kReportProgramName
              << " is not installed with vantrel-cli (a build without the window has none)\n";
        return kExitFileError;
    }
    // What was written so far comes before the report program's output.
    s.out.flush();
    s.err.flush();
    const int status = RunProgram(program.string(), command.given, s.err);
    return status < 0 ? kExitFileError : status;
}

}  // namespace vantrel::cli
