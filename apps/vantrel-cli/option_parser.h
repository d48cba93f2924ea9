#pragma once
// One way of reading every command's arguments: a table of the options a
// command takes, read the same for all. A valued option takes its value as
// "--name VALUE" or "--name=VALUE" (a short alias as "-o VALUE"); a repeated
// option keeps its last value, except --set, whose pairs are kept in order
// (a later pair of the same input name wins when they are applied). "-" is
// an argument (standard input or output), and "--" ends the options.

#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantrel::cli {

struct OptionForm {
    std::string_view name;   // "--limit"
    std::string_view alias;  // "-o", or empty
    std::string_view value;  // the value's name in the help ("N"); empty for a flag
    std::string_view help;
    bool accumulates = false;  // every value kept, in order (--set)
};

struct CommandForm {
    std::string_view name;
    std::string_view usage;      // the usage line after "vantrel-cli "
    std::string_view arguments;  // the help's lines on the arguments
    size_t minArguments = 0;
    size_t maxArguments = 1;
    std::string_view missing;  // what the command needs, when arguments are missing
    std::span<const OptionForm> options;
    std::string_view note = {};  // printed after the options by --help
};

struct ParsedCommand {
    std::vector<std::string> arguments;
    std::vector<std::string> sets;              // every --set value, in order
    std::map<std::string, std::string> values;  // by option name: the last value given
    std::set<std::string> flags;                // by option name
    bool help = false;
    std::vector<std::string> given;  // the arguments as they were given

    bool Has(std::string_view flag) const { return flags.count(std::string(flag)) > 0; }
    const std::string* Value(std::string_view name) const;
};

// The arguments read by the command's table. A usage error (an unknown
// option, a missing value, a flag given a value, too many or too few
// arguments) is written to err and gives nothing. --help and -h are
// every command's flags: with one of them the rest is not checked.
std::optional<ParsedCommand> ParseCommand(const CommandForm& command,
                                          const std::vector<std::string>& args, std::ostream& err);

// COMMAND --help: the usage, the arguments and every option.
void PrintCommandHelp(const CommandForm& command, std::ostream& out);

}  // namespace vantrel::cli
