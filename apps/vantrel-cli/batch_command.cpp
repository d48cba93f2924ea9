// vantrel-cli batch IN.csv [-o OUT.csv]
//
// One design per row of IN.csv, its columns named by the input names; a
// missing column takes the new-design default. Each row is calculated as calc
// does and reported on one line of the output, in the input's order; a row
// whose inputs give an error is reported as such and the others go on.

#include <ostream>
#include <string>
#include <string_view>

#include "commands.h"
#include "design_options.h"
#include "files/csv_table.h"
#include "files/project_file.h"
#include "files/safe_file.h"
#include "present/batch_output.h"

namespace vantrel::cli {

int BatchCommand(const Args& args, Streams s) {
    auto options = ParseDesignOptions(args, {}, {"-o", "--output"}, s.err);
    if (!options) return kExitUsage;
    const std::string* output = ValuedOption(*options, "-o");
    if (!output) output = ValuedOption(*options, "--output");
    if (!options->file || !options->replacements.empty() || (output && output->empty())) {
        s.err << "vantrel-cli: batch needs a CSV file and takes no --set: batch IN.csv "
                 "[-o OUT.csv]\n";
        return kExitUsage;
    }
    const std::string& path = *options->file;
    // A FIFO is never opened, so nothing blocks.
    RegularFileReader file(path);
    if (file.error() != 0) {
        s.err << "vantrel-cli: unable to read \"" << path << "\"\n";
        return kExitFileError;
    }
    CsvReader designs([&file](char* buffer, size_t size) { return file.ReadSome(buffer, size); });
    if (!output) {
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
        s.err << "vantrel-cli: unable to write \"" << *output << "\" (Error: " << error
              << "): " << FailureReason(error) << "\n";
        return kExitFileError;
    }
    return status;
}

}  // namespace vantrel::cli
