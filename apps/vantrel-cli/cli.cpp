#include "cli.h"

#include <ostream>

#include "command_forms.h"
#include "commands.h"
#include "model/message_text.h"

#ifndef VANTREL_VERSION_TEXT
#error "VANTREL_VERSION_TEXT must come from the build"
#endif

namespace vantrel::cli {
namespace {

struct Command {
    const char* name;
    int (*run)(const ParsedCommand&, Streams);
};

// Every command of the program; each lives in its own file, its options in
// command_forms.cpp.
const Command kCommands[] = {
    {"calc", CalcCommand}, {"batch", BatchCommand},   {"search", SearchCommand},
    {"save", SaveCommand}, {"report", ReportCommand},
};

void PrintUsage(std::ostream& out) {
    out << "Usage: vantrel-cli COMMAND ...\n";
    for (const CommandForm& command : CommandForms())
        out << "  vantrel-cli " << command.usage << '\n';
    out << "  vantrel-cli [COMMAND] --help\n"
           "  vantrel-cli --version\n"
           "Input names for --set are the project-file keys (Beam, Column, Grade, A, B, C,\n"
           "ORA, ORB, ORC, Length, Height, Description, FRAMETYPE, DistDL1 ... "
           "PointLoadLocation3,\n"
           "ColumnAxialLoad, ColumnAbove).\n"
           "See vantrel-cli(1) for the options, exit statuses and examples.\n";
}

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

int Dispatch(const std::vector<std::string>& args, Streams streams) {
    if (args.empty() || IsHelp(args[0]) || args[0] == "help") {
        PrintUsage(args.empty() ? streams.err : streams.out);
        return args.empty() ? kExitUsage : kExitPass;
    }
    if (args[0] == "--version") {
        streams.out << "vantrel-cli " VANTREL_VERSION_TEXT "\n";
        return kExitPass;
    }
    for (const Command& command : kCommands) {
        if (args[0] != command.name) continue;
        const CommandForm& form = CommandFormNamed(command.name);
        const auto parsed = ParseCommand(form, {args.begin() + 1, args.end()}, streams.err);
        if (!parsed) return kExitUsage;
        if (parsed->help) {
            PrintCommandHelp(form, streams.out);
            streams.out << "See vantrel-cli(1) for the exit statuses and examples.\n";
            return kExitPass;
        }
        return command.run(*parsed, streams);
    }
    const bool option = args[0].rfind('-', 0) == 0;
    streams.err << "vantrel-cli: unknown " << (option ? "option '" : "command '")
                << MessageText(args[0]) << "'\n";
    PrintUsage(streams.err);
    return kExitUsage;
}

}  // namespace

int FinishOutput(std::ostream& out, std::ostream& err, int status) {
    if (out.flush()) return status;
    err << "vantrel-cli: cannot write to standard output (a full disk or another write "
           "error); the output is incomplete\n";
    err.flush();
    return kExitFileError;
}

// Every command's output ends here, so none can report success over output
// that never arrived.
int Run(const std::vector<std::string>& args, Streams streams) {
    return FinishOutput(streams.out, streams.err, Dispatch(args, streams));
}

}  // namespace vantrel::cli
