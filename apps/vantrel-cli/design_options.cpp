#include "design_options.h"

#include <unistd.h>

#include <ostream>

#include "files/project_file.h"
#include "files/standard_streams.h"
#include "model/input_checks.h"
#include "model/message_text.h"

namespace vantrel::cli {

std::optional<DesignOptions> DesignOptionsOf(const ParsedCommand& command, size_t fileAt,
                                             std::ostream& err) {
    DesignOptions options;
    if (command.arguments.size() > fileAt) options.file = command.arguments[fileAt];
    for (const std::string& pair : command.sets) {
        const auto equals = pair.find('=');
        if (equals == std::string::npos) {
            err << "vantrel-cli: --set needs NAME=TEXT, got '" << MessageText(pair) << "'\n";
            return std::nullopt;
        }
        options.replacements.emplace_back(pair.substr(0, equals), pair.substr(equals + 1));
    }
    return options;
}

std::optional<DesignInputs> LoadDesignInputs(const DesignOptions& options, std::ostream& err,
                                             int& status) {
    DesignInputs inputs = NewDesignInputs();
    if (options.file) {
        ProjectReadResult read = *options.file == kStandardStreamName
                                     ? ReadProjectStream(STDIN_FILENO)
                                     : ReadProjectFile(*options.file);
        if (!read.ok()) {
            err << "vantrel-cli: " << OpenFailurePrompt(MessageText(*options.file)) << "("
                << FailureTitle(read.error) << "): " << FailureReason(read.error) << '\n';
            status = 4;
            return std::nullopt;
        }
        inputs = std::move(read.inputs);
    }
    for (const auto& [name, text] : options.replacements) {
        std::string* field = inputs.Find(name);
        if (!field) {
            err << "vantrel-cli: unknown input name '" << MessageText(name) << "' (names are: ";
            for (size_t i = 0; i < kInputFields.size(); ++i)
                err << (i ? ", " : "") << kInputFields[i].name;
            err << ")\n";
            status = 2;
            return std::nullopt;
        }
        *field = text;
    }
    if (const auto refusal = CheckSetValues(inputs, options.replacements)) {
        err << "vantrel-cli: " << *refusal << '\n';
        status = 2;
        return std::nullopt;
    }
    status = 0;
    return inputs;
}

}  // namespace vantrel::cli
