#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    vantrel::cli::Streams streams{std::cout, std::cerr, isatty(STDOUT_FILENO) == 1};
    return vantrel::cli::Run(args, streams);
}
