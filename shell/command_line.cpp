#include "shell/command_line.h"

#include <cstddef>

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

std::string JoinArguments(const std::vector<std::string>& argumentsAfterProgram) {
    std::string line;
    for (std::size_t i = 0; i < argumentsAfterProgram.size(); ++i) {
        if (i > 0) line += ' ';
        line += argumentsAfterProgram[i];
    }
    return line;
}

}  // namespace vantrel::shell
