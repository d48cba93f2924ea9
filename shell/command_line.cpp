#include "shell/command_line.h"

#include <cstddef>
#include <filesystem>
#include <system_error>

namespace vantrel::shell {
namespace {

constexpr std::size_t kKeyLength = 6;

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The position just past the character that starts at `pos`, so that a
// skipped character never splits a multi-byte sequence.
std::size_t NextCharacter(const std::string& text, std::size_t pos) {
    ++pos;
    while (pos < text.size() && IsUtf8Continuation(text[pos])) ++pos;
    return pos;
}

}  // namespace

StartupAction Dispatch(const std::string& commandLine) {
    const std::string key = commandLine.substr(0, kKeyLength);
    if (key == "/reg") return {StartupKind::Register, {}};
    if (key == "/unreg") return {StartupKind::Unregister, {}};
    if (key == "/print") {
        // The character after the key is skipped whatever it is; with none
        // there, the path would begin past the end of the line.
        if (commandLine.size() == kKeyLength) return {StartupKind::InvalidCommand, {}};
        return {StartupKind::Print, commandLine.substr(NextCharacter(commandLine, kKeyLength))};
    }
    if (key == "/open ") return {StartupKind::Open, commandLine.substr(kKeyLength)};
    return {StartupKind::Normal, {}};
}

StartupAction DispatchArguments(const std::vector<std::string>& argumentsAfterProgram) {
    const std::string line = JoinArguments(argumentsAfterProgram);
    if (argumentsAfterProgram.empty() || argumentsAfterProgram.front().starts_with('-'))
        return Dispatch(line);
    const std::string& first = argumentsAfterProgram.front();
    // A file manager's absolute path may begin like a key ("/printouts/a.vtl"):
    // a file that is there is opened, not taken for the key.
    std::error_code error;
    if (!std::filesystem::is_regular_file(first, error)) {
        for (const char* key : {"/reg", "/unreg", "/print", "/open"}) {
            if (first.starts_with(key)) return Dispatch(line);
        }
    }
    return {
        StartupKind::Open, first,
        std::vector<std::string>(argumentsAfterProgram.begin() + 1, argumentsAfterProgram.end())};
}

std::string_view UsageText() {
    return "Usage: vantrel [FILE.vtl]\n"
           "       vantrel /open FILE.vtl\n"
           "       vantrel /print FILE.vtl\n"
           "       vantrel /reg | /unreg\n"
           "       vantrel --help | --version\n"
           "\n"
           "Vantrel designs a Reduced Beam Section moment connection (FEMA 350) and checks\n"
           "it against AISC 358-16. Without arguments it opens a new design.\n"
           "\n"
           "  FILE.vtl         open the project file (only the first of several); with a\n"
           "                   window already open, the file opens in that window\n"
           "  /open FILE.vtl   the same; everything after \"/open \" is the file name,\n"
           "                   blanks included, no quotes needed\n"
           "  /print FILE.vtl  print the file's report through the print dialog, then end\n"
           "  /reg             associate .vtl files with this program for this user (for\n"
           "                   a copy the desktop does not know: a build folder, /opt)\n"
           "  /unreg           remove that association\n"
           "  --help           print this text\n"
           "  --version        print the version\n"
           "\n"
           "The command-line calculator is vantrel-cli; see vantrel(1) and vantrel-cli(1).\n";
}

std::string JoinArguments(const std::vector<std::string>& argumentsAfterProgram) {
    std::string line;
    for (std::size_t i = 0; i < argumentsAfterProgram.size(); ++i) {
        if (i > 0) line += ' ';
        line += argumentsAfterProgram[i];
    }
    return line;
}

}  // namespace vantrel::shell
