#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"

int main(int argc, char** argv) {
    // A closed pipe or a file-size limit on standard output makes a write
    // fail, which the commands report, instead of ending the program silently.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    vantrel::cli::Streams streams{std::cout, std::cerr, isatty(STDOUT_FILENO) == 1};
    return vantrel::cli::Run(args, streams);
}
