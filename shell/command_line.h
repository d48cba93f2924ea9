#pragma once
// The start-up command line and what it asks the program to do.
//
//   vantrel                    show a new design
//   vantrel FILE...            open the first FILE and show it (the desktop entry passes
//                              files so); a later FILE is not opened, and a note says so
//   vantrel /open PATH         open PATH and show it (an empty PATH asks for the file)
//   vantrel /print PATH        open PATH and print its report through the print dialog
//   vantrel /reg               associate .vtl files with this program, then end
//   vantrel /unreg             remove that association, then end
//   vantrel --version          print the version, then end
//   vantrel --help             print the usage, then end (both answered in main,
//                              before anything needs a display)
//
// The keys compare case-sensitively against the first six characters of the
// command line. Everything after "/open " or "/print" and one more character is
// the path, blanks included and quotes kept, because the association's commands
// pass the file name unquoted.

#include <string>
#include <string_view>
#include <vector>

namespace vantrel::shell {

enum class StartupKind {
    Register,        // exactly "/reg"
    Unregister,      // any line beginning with "/unreg"
    Print,           // "/print", a skipped character, the path
    Open,            // "/open " and the path
    Normal,          // anything else, the empty line included
    InvalidCommand,  // "/print" with nothing after it
};

struct StartupAction {
    StartupKind kind = StartupKind::Normal;
    std::string path;                      // for Print and Open; the file system's bytes
    std::vector<std::string> notOpened{};  // files named after the first

    bool operator==(const StartupAction&) const = default;
};

// Decides the start-up action from the command line alone.
StartupAction Dispatch(const std::string& commandLine);

// The same from the program's arguments: a first argument that is not an
// option ("-...") names files to open, as a file manager passes them, unless
// it begins with a key ("/reg", "/unreg", "/print", "/open") and names no
// file that is there; anything else is the joined line's.
StartupAction DispatchArguments(const std::vector<std::string>& argumentsAfterProgram);

// What "vantrel --help" prints.
std::string_view UsageText();

// The command line as the program sees it: the arguments after the program
// name joined by single blanks.
std::string JoinArguments(const std::vector<std::string>& argumentsAfterProgram);

}  // namespace vantrel::shell
