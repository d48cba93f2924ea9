// vantrel-cli batch IN.csv [-o OUT.csv]
//
// One design per row of IN.csv, its columns named by the input names; a
// missing column takes the new-design default. Each row is calculated as calc
// does and reported on one line of the output, in the input's order; a row
// whose inputs give an error is reported as such and the others go on.

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "commands.h"
#include "files/project_file.h"
#include "files/safe_file.h"
#include "present/batch_output.h"

namespace vantrel::cli {
namespace {

// The whole input file; nothing for a file that cannot be read or is not a
// regular file (a FIFO is never opened, so nothing blocks).
std::optional<std::string> ReadWholeFile(const std::string& path) {
    RegularFileReader file(path);
    if (file.error() != 0) return std::nullopt;
    std::vector<uint8_t> bytes;
    constexpr size_t kChunk = 1 << 16;
    for (size_t before = 0;; before = bytes.size()) {
        if (!file.Read(kChunk, bytes)) return std::nullopt;
        if (bytes.size() - before < kChunk) break;
    }
    return std::string(bytes.begin(), bytes.end());
}

}  // namespace

int BatchCommand(const ParsedCommand& command, Streams s) {
    const std::string* output = command.Value("--output");
    if (output && output->empty()) {
        s.err << "vantrel-cli: batch needs a name after -o: batch IN.csv [-o OUT.csv]\n";
        return kExitUsage;
    }
    const std::string& path = command.arguments.front();
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        s.err << "vantrel-cli: unable to read \"" << path << "\"\n";
        return kExitFileError;
    }
    std::string out;
    const int status = BatchOfText(*text, path, out, s.err);
    if (status == kExitFileError) return status;
    if (output) {
        // Whole or not at all, never over a device, FIFO or folder, keeping
        // the owner and mode of a file it replaces.
        const int error = ReplaceFileContent(
            *output, std::span(reinterpret_cast<const uint8_t*>(out.data()), out.size()));
        if (error != 0) {
            s.err << "vantrel-cli: unable to write \"" << *output << "\" (Error: " << error
                  << "): " << FailureReason(error) << "\n";
            return kExitFileError;
        }
    } else {
        s.out << out;
    }
    return status;
}

}  // namespace vantrel::cli
