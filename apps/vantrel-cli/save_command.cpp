// vantrel-cli save OUT.vtl [FILE.vtl] [--set NAME=TEXT]...
#include <ostream>

#include "commands.h"
#include "design_options.h"
#include "files/project_file.h"
#include "files/standard_streams.h"
#include "model/message_text.h"

namespace vantrel::cli {

int SaveCommand(const ParsedCommand& command, Streams s) {
    const std::string& out = command.arguments.front();
    if (out == kStandardStreamName) {
        s.err << "vantrel-cli: save writes a file, not standard output: save OUT.vtl [FILE.vtl] "
                 "[--set NAME=TEXT]...\n";
        return kExitUsage;
    }
    const auto options = DesignOptionsOf(command, 1, s.err);
    if (!options) return kExitUsage;
    int status = 0;
    const auto inputs = LoadDesignInputs(*options, s.err, status);
    if (!inputs) return status;

    if (const int error = WriteProjectFile(out, *inputs)) {
        s.err << "vantrel-cli: " << SaveFailurePrompt(MessageText(out)) << "("
              << FailureTitle(error) << "): " << FailureReason(error) << '\n';
        return kExitFileError;
    }
    return kExitPass;
}

}  // namespace vantrel::cli
