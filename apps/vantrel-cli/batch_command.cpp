// vantrel-cli batch IN.csv [-o OUT.csv]
//
// One design per row of IN.csv ("-": standard input), its columns named by
// the input names; a missing column takes the new-design default. Each row
// is calculated as calc does and reported on one line of the output
// (standard output, or OUT.csv), in the input's order; a row whose inputs
// are refused or give an error is reported as such and the others go on.

#include <unistd.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "commands.h"
#include "files/project_file.h"
#include "files/safe_file.h"
#include "files/standard_streams.h"
#include "model/message_text.h"
#include "present/batch_output.h"

namespace vantrel::cli {
namespace {

// Everything reader gives until its end; nothing after a read error.
template <class Reader>
std::optional<std::string> ReadToEnd(Reader& reader) {
    std::vector<uint8_t> bytes;
    constexpr size_t kChunk = 1 << 16;
    for (size_t before = 0;; before = bytes.size()) {
        if (!reader.Read(kChunk, bytes)) return std::nullopt;
        if (bytes.size() - before < kChunk) break;
    }
    return std::string(bytes.begin(), bytes.end());
}

// The whole input: standard input for "-"; else nothing for a file that
// cannot be read or is not a regular file (a FIFO is never opened, so
// nothing blocks).
std::optional<std::string> ReadInput(const std::string& path) {
    if (path == kStandardStreamName) {
        DescriptorReader in(STDIN_FILENO);
        return ReadToEnd(in);
    }
    RegularFileReader file(path);
    if (file.error() != 0) return std::nullopt;
    return ReadToEnd(file);
}

}  // namespace

int BatchCommand(const ParsedCommand& command, Streams s) {
    const std::string* output = command.Value("--output");
    if (output && output->empty()) {
        s.err << "vantrel-cli: batch needs a name after -o: batch IN.csv [-o OUT.csv]\n";
        return kExitUsage;
    }
    const std::string& path = command.arguments.front();
    // Results written over the designs would lose them: refused before a
    // byte is read or written.
    if (IsSameFile(path, output ? *output : kStandardStreamName)) {
        s.err << "vantrel-cli: the output is the input file \"" << MessageText(path)
              << "\": write the results to another file\n";
        return kExitUsage;
    }
    const std::optional<std::string> text = ReadInput(path);
    if (!text) {
        s.err << "vantrel-cli: unable to read \"" << MessageText(path) << "\"\n";
        return kExitFileError;
    }
    std::string out;
    const int status = BatchOfText(*text, path, out, s.err);
    if (status == kExitFileError) return status;
    if (!output || NamesStandardOutput(*output)) {
        s.out << out;
        return status;
    }
    // Whole or not at all, never over a device, FIFO or folder, keeping the
    // owner and mode of a file it replaces.
    const int error = ReplaceFileContent(
        *output, std::span(reinterpret_cast<const uint8_t*>(out.data()), out.size()));
    if (error != 0) {
        s.err << "vantrel-cli: unable to write \"" << MessageText(*output) << "\" (Error: " << error
              << "): " << FailureReason(error) << "\n";
        return kExitFileError;
    }
    return status;
}

}  // namespace vantrel::cli
