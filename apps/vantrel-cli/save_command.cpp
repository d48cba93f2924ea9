// vantrel-cli save OUT.vtl [FILE.vtl] [--set NAME=TEXT]...
#include <ostream>

#include "commands.h"
#include "design_options.h"
#include "files/project_file.h"

namespace vantrel::cli {
namespace {

// Takes the first argument that is neither an option nor the value of a
// --set out of args: the file to write.
std::optional<std::string> TakeOutputPath(Args& args) {
    for (auto it = args.begin(); it != args.end(); ++it) {
        if (*it == "--set") {
            if (++it == args.end()) break;
        } else if (!it->empty() && it->front() != '-') {
            std::string path = *it;
            args.erase(it);
            return path;
        }
    }
    return std::nullopt;
}

}  // namespace

int SaveCommand(const Args& given, Streams s) {
    Args args = given;
    const std::optional<std::string> out = TakeOutputPath(args);
    if (!out) {
        s.err << "vantrel-cli: save needs the file to write: save OUT.vtl [FILE.vtl] "
                 "[--set NAME=TEXT]...\n";
        return kExitUsage;
    }
    auto options = ParseDesignOptions(args, {}, {}, s.err);
    if (!options) return kExitUsage;
    int status = 0;
    const auto inputs = LoadDesignInputs(*options, s.err, status);
    if (!inputs) return status;

    if (const int error = WriteProjectFile(*out, *inputs)) {
        s.err << "vantrel-cli: " << SaveFailurePrompt(*out) << "(" << FailureTitle(error)
              << "): " << FailureReason(error) << '\n';
        return kExitFileError;
    }
    return kExitPass;
}

}  // namespace vantrel::cli
