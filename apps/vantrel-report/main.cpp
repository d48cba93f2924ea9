// vantrel-report: the report command of vantrel-cli, a program of its own
// because only it paints with Qt; "vantrel-cli report ARGS" runs it as
// "vantrel-report ARGS" and ends with its status, so that the calculating
// commands never load Qt.

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"
#include "report_command.h"

int main(int argc, char** argv) {
    // A closed pipe or a file-size limit on standard output makes a write
    // fail, which the command reports, instead of ending the program silently.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const vantrel::cli::Streams streams{std::cout, std::cerr};
    return vantrel::cli::FinishOutput(std::cout, std::cerr,
                                      vantrel::cli::ReportCommand(args, streams));
}
