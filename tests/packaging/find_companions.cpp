// Prints what the window program would find from a given program folder:
//   find_companions PROGRAM_DIR
// The install test runs it on the installed bin folder, so it checks the
// lookup the window uses without needing a display.
#include <iostream>

#include "packaging/install_layout.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: find_companions PROGRAM_DIR\n";
        return 2;
    }
    const std::filesystem::path programDir = argv[1];
    std::cout << "sample=" << vantrel::install::FindSampleReport(programDir).string() << '\n'
              << "examples=" << vantrel::install::FindExamples(programDir).string() << '\n'
              << "installed=" << vantrel::install::RunsFromInstalledLocation(programDir) << '\n';
    return std::cout.flush() ? 0 : 1;
}
