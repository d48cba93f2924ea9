#include "option_parser.h"

#include <ostream>

#include "model/message_text.h"

namespace vantrel::cli {
namespace {

const OptionForm kHelp{"--help", "-h", "", "print this help and exit"};

const OptionForm* FindOption(const CommandForm& command, std::string_view word) {
    if (word == kHelp.name || word == kHelp.alias) return &kHelp;
    for (const OptionForm& option : command.options)
        if (word == option.name || (!option.alias.empty() && word == option.alias)) return &option;
    return nullptr;
}

bool IsOptionWord(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

std::string Shown(std::string_view text) {
    return "'" + MessageText(text) + "'";
}

}  // namespace

const std::string* ParsedCommand::Value(std::string_view name) const {
    const auto found = values.find(std::string(name));
    return found == values.end() ? nullptr : &found->second;
}

std::optional<ParsedCommand> ParseCommand(const CommandForm& command,
                                          const std::vector<std::string>& args, std::ostream& err) {
    ParsedCommand parsed;
    parsed.given = args;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !IsOptionWord(arg)) {
            parsed.arguments.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        // "--name=VALUE" for a long option.
        const size_t equals = arg.rfind("--", 0) == 0 ? arg.find('=') : std::string::npos;
        const std::string word = arg.substr(0, equals);
        const OptionForm* option = FindOption(command, word);
        if (option == nullptr) {
            err << "vantrel-cli: unknown option " << Shown(word) << '\n';
            return std::nullopt;
        }
        if (option == &kHelp) {
            parsed.help = true;
            return parsed;
        }
        const std::string name(option->name);
        if (option->value.empty()) {
            if (equals != std::string::npos) {
                err << "vantrel-cli: " << name << " takes no value\n";
                return std::nullopt;
            }
            parsed.flags.insert(name);
            continue;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            err << "vantrel-cli: " << word << " needs " << option->value << '\n';
            return std::nullopt;
        }
        if (option->accumulates) {
            parsed.sets.push_back(std::move(value));
        } else {
            parsed.values[name] = std::move(value);
        }
    }
    if (parsed.arguments.size() < command.minArguments) {
        err << "vantrel-cli: " << command.name << " needs " << command.missing << ": "
            << command.usage << '\n';
        return std::nullopt;
    }
    if (parsed.arguments.size() > command.maxArguments) {
        err << "vantrel-cli: unexpected argument " << Shown(parsed.arguments[command.maxArguments])
            << '\n';
        return std::nullopt;
    }
    return parsed;
}

void PrintCommandHelp(const CommandForm& command, std::ostream& out) {
    out << "Usage: vantrel-cli " << command.usage << "\n\nArguments:\n"
        << command.arguments << "\nOptions:\n";
    constexpr size_t kColumn = 28;  // where the option's help starts
    constexpr size_t kWidth = 79;
    const auto print = [&](const OptionForm& option) {
        std::string line = "  " + std::string(option.alias.empty() ? "    " : option.alias) +
                           (option.alias.empty() ? "" : ", ") + std::string(option.name);
        if (!option.value.empty()) line += " " + std::string(option.value);
        if (line.size() + 1 > kColumn) {
            out << line << '\n';
            line.clear();
        }
        // The help, its words wrapped at kWidth.
        std::string_view words = option.help;
        while (!words.empty()) {
            line.resize(kColumn, ' ');
            size_t take = words.size();
            if (kColumn + take > kWidth) {
                take = words.rfind(' ', kWidth - kColumn);
                if (take == std::string_view::npos) take = words.find(' ');
                if (take == std::string_view::npos) take = words.size();
            }
            out << line << words.substr(0, take) << '\n';
            line.clear();
            words.remove_prefix(take);
            while (!words.empty() && words.front() == ' ') words.remove_prefix(1);
        }
    };
    for (const OptionForm& option : command.options) print(option);
    print(kHelp);
    out << command.note;
}

}  // namespace vantrel::cli
