// vantrel-cli batch IN.csv [-o OUT.csv]
//
// One design per row of IN.csv ("-": standard input), its columns named by
// the input names; a missing column takes the new-design default. Each row
// is calculated as calc does and reported on one line of the output
// (standard output, or OUT.csv), in the input's order; a row whose inputs
// are refused or give an error is reported as such and the others go on.
// Rows are read and written one at a time, so memory does not grow with the
// file.

#include <unistd.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "commands.h"
#include "files/csv_table.h"
#include "files/project_file.h"
#include "files/safe_file.h"
#include "files/standard_streams.h"
#include "model/message_text.h"
#include "present/batch_output.h"

namespace vantrel::cli {

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
    // A FIFO is never opened, so nothing blocks; "-" reads standard input.
    DescriptorReader standardInput(STDIN_FILENO);
    std::optional<RegularFileReader> file;
    if (path != kStandardStreamName) {
        file.emplace(path);
        if (file->error() != 0) {
            s.err << "vantrel-cli: unable to read \"" << MessageText(path) << "\"\n";
            return kExitFileError;
        }
    }
    CsvReader designs([&](char* buffer, size_t size) {
        return file ? file->ReadSome(buffer, size) : standardInput.ReadSome(buffer, size);
    });
    if (!output || NamesStandardOutput(*output)) {
        return BatchOfCsv(
            designs, path,
            [&s](std::string_view lines) { return static_cast<bool>(s.out << lines); }, s.err);
    }
    // Row by row into a temporary file that replaces OUT.csv only once whole:
    // never over a device, FIFO or folder, keeping the owner and mode of a
    // file it replaces.
    FileReplacement results(*output);
    int status = kExitFileError;
    if (results.error() == 0) {
        status = BatchOfCsv(
            designs, path, [&results](std::string_view lines) { return results.Write(lines); },
            s.err);
    }
    const bool written = results.error() == 0;
    if (status == kExitFileError && written) return status;  // the input was refused
    const int error = written ? results.Commit() : results.error();
    if (error != 0) {
        s.err << "vantrel-cli: unable to write \"" << MessageText(*output) << "\" (Error: " << error
              << "): " << FailureReason(error) << "\n";
        return kExitFileError;
    }
    return status;
}

}  // namespace vantrel::cli
