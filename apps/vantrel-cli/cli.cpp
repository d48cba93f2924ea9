#include "cli.h"

#include <ostream>

#include "commands.h"

#ifndef VANTREL_VERSION_TEXT
#error "VANTREL_VERSION_TEXT must come from the build"
#endif

namespace vantrel::cli {
namespace {

struct Command {
    const char* name;
    int (*run)(const Args&, Streams);
    const char* usage;
    const char* note = "";  // printed after the usage by COMMAND --help
};

// Every command of the program; each lives in its own file.
const Command kCommands[] = {
    {"calc", CalcCommand, "calc [FILE.vtl] [--set NAME=TEXT]... [--json]"},
    {"batch", BatchCommand, "batch IN.csv [-o OUT.csv]"},
    {"search", SearchCommand,
     "search [FILE.vtl] [--set NAME=TEXT]... [--code fema350|aisc358|both] [--no-doublers] "
     "[--no-continuity] [--limit N] [--json|--csv]",
     "--code is both unless given: a pair must pass FEMA 350 and AISC 358-16 (FEMA 350 alone\n"
     "does not check the beam under gravity load).\n"},
    {"save", SaveCommand, "save OUT.vtl [FILE.vtl] [--set NAME=TEXT]..."},
    {"report", ReportCommand, "report [FILE.vtl] [--set NAME=TEXT]... -o OUT.pdf"},
};

constexpr const char* kInputNames =
    "Input names for --set are the project-file keys (Beam, Column, Grade, A, B, C,\n"
    "ORA, ORB, ORC, Length, Height, Description, FRAMETYPE, DistDL1 ... PointLoadLocation3,\n"
    "ColumnAxialLoad, ColumnAbove).\n";

void PrintUsage(std::ostream& out) {
    out << "Usage: vantrel-cli COMMAND ...\n";
    for (const Command& command : kCommands) out << "  vantrel-cli " << command.usage << '\n';
    out << "  vantrel-cli [COMMAND] --help\n"
           "  vantrel-cli --version\n"
        << kInputNames << "See vantrel-cli(1) for the options, exit statuses and examples.\n";
}

void PrintCommandUsage(const Command& command, std::ostream& out) {
    out << "Usage: vantrel-cli " << command.usage << '\n'
        << command.note << kInputNames
        << "See vantrel-cli(1) for the options, exit statuses and examples.\n";
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
        if (args[0] == command.name) {
            if (args.size() > 1 && IsHelp(args[1])) {
                PrintCommandUsage(command, streams.out);
                return kExitPass;
            }
            return command.run(Args(args.begin() + 1, args.end()), streams);
        }
    }
    const bool option = args[0].rfind('-', 0) == 0;
    streams.err << "vantrel-cli: unknown " << (option ? "option '" : "command '") << args[0]
                << "'\n";
    PrintUsage(streams.err);
    return kExitUsage;
}

}  // namespace

int FinishOutput(std::ostream& out, std::ostream& err, int status) {
    if (out.flush()) return status;
    err << "vantrel-cli: cannot write to standard output (a full disk or a closed pipe); "
           "the output is incomplete\n";
    err.flush();
    return kExitFileError;
}

// Every command's output ends here, so none can report success over output
// that never arrived.
int Run(const std::vector<std::string>& args, Streams streams) {
    return FinishOutput(streams.out, streams.err, Dispatch(args, streams));
}

}  // namespace vantrel::cli
