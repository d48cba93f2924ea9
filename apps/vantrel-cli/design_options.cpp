#include "design_options.h"

#include <algorithm>
#include <ostream>

#include "files/project_file.h"
#include "model/input_checks.h"

namespace vantrel::cli {
namespace {

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

}  // namespace

std::optional<DesignOptions> ParseDesignOptions(const std::vector<std::string>& args,
                                                const std::vector<std::string>& knownFlags,
                                                const std::vector<std::string>& valuedOptions,
                                                std::ostream& err) {
    DesignOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--set") {
            if (i + 1 >= args.size()) {
                err << "vantrel-cli: --set needs NAME=TEXT\n";
                return std::nullopt;
            }
            const std::string& pair = args[++i];
            const auto equals = pair.find('=');
            if (equals == std::string::npos) {
                err << "vantrel-cli: --set needs NAME=TEXT, got '" << pair << "'\n";
                return std::nullopt;
            }
            options.replacements.emplace_back(pair.substr(0, equals), pair.substr(equals + 1));
        } else if (arg.rfind("--set=", 0) == 0) {
            std::vector<std::string> again{"--set", arg.substr(6)};
            auto sub = ParseDesignOptions(again, {}, {}, err);
            if (!sub) return std::nullopt;
            options.replacements.push_back(sub->replacements.front());
        } else if (Contains(valuedOptions, arg)) {
            if (i + 1 >= args.size()) {
                err << "vantrel-cli: " << arg << " needs a value\n";
                return std::nullopt;
            }
            options.valued.emplace_back(arg, args[++i]);
        } else if (Contains(knownFlags, arg)) {
            options.flags.push_back(arg);
        } else if (!arg.empty() && arg[0] == '-') {
            err << "vantrel-cli: unknown option '" << arg << "'\n";
            return std::nullopt;
        } else if (!options.file) {
            options.file = arg;
        } else {
            err << "vantrel-cli: unexpected argument '" << arg << "'\n";
            return std::nullopt;
        }
    }
    return options;
}

std::optional<DesignInputs> LoadDesignInputs(const DesignOptions& options, std::ostream& err,
                                             int& status) {
    DesignInputs inputs = NewDesignInputs();
    if (options.file) {
        ProjectReadResult read = ReadProjectFile(*options.file);
        if (!read.ok()) {
            err << "vantrel-cli: " << OpenFailurePrompt(*options.file) << "("
                << FailureTitle(read.error) << "): " << FailureReason(read.error) << '\n';
            status = 4;
            return std::nullopt;
        }
        inputs = std::move(read.inputs);
    }
    for (const auto& [name, text] : options.replacements) {
        std::string* field = inputs.Find(name);
        if (!field) {
            err << "vantrel-cli: unknown input name '" << name << "' (names are: ";
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

bool HasFlag(const DesignOptions& options, const std::string& flag) {
    return Contains(options.flags, flag);
}

const std::string* ValuedOption(const DesignOptions& options, const std::string& name) {
    for (const auto& [key, value] : options.valued)
        if (key == name) return &value;
    return nullptr;
}

}  // namespace vantrel::cli
