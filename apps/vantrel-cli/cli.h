#pragma once
// vantrel-cli: the headless interface to Vantrel.
//
//   vantrel-cli calc [FILE.vtl] [--set NAME=TEXT]... [--json]
//       Calculates one design: a new design (the window's defaults) or a saved
//       project, with any of the 28 inputs replaced by name, and prints the
//       three result grids as text, or everything as JSON.
//       Exit status: 0 every verdict passes, 1 a check fails, 3 a calculation
//       error was reported, 2 usage error (4 a project file cannot be read).
//
//   vantrel-cli save OUT.vtl [FILE.vtl] [--set NAME=TEXT]...
//       Writes a project file: a new design's inputs or FILE's (as opening it
//       would show them), with any of the 28 inputs replaced by name. An
//       existing OUT is replaced only once the new file is complete.
//       Exit status: 0 written, 2 usage error, 4 a file cannot be read or written.
//
//   vantrel-cli report [FILE.vtl] [--set NAME=TEXT]... -o OUT.pdf
//       Writes the three-page printed report of a design as a PDF (Letter
//       paper), after calculating it as opening the file does. The footers
//       name the file without its folder ("New Untitled" without a file).
//       An existing OUT is replaced only once the report is complete.
//       Exit status: 0 written, 3 written but a calculation error was
//       reported, 2 usage error, 4 a file cannot be read or the report
//       cannot be written ("Unable to print report. ..." on stderr).
//       Built only with the GUI libraries (Qt Gui; runs offscreen).
//
//   vantrel-cli search [FILE.vtl] [--set NAME=TEXT]... [--no-doublers]
//                      [--no-continuity] [--limit N] [--json|--csv]
//       Calculates every beam on every column of the shape table with the
//       design's other inputs and lists the pairs whose prequalification,
//       Mf, slenderness and shear checks pass, lightest frame first (beam
//       weight x span + 2 x column weight x height, then beam weight).
//       --no-doublers / --no-continuity also require no doubler / continuity
//       plates; --limit N shortens the text table (JSON and CSV list all).
//       Exit status: 0 designs found, 1 none passes, 2 usage error, 3 the
//       inputs make every pair fail with a calculation error, 4 file error.
//
//   vantrel-cli [COMMAND] --help     the usage (of one command); exit status 0
//   vantrel-cli --version            the program's name and version; exit status 0
//
// Input names are the project-file keys: Column, Grade, Beam, A, B, C, ORA,
// ORB, ORC, Length, Height, Description, FRAMETYPE, DistDL1..3, DistLL1..3,
// PointDL1..3, PointLL1..3, PointLoadLocation1..3, ColumnAxialLoad, ColumnAbove.

#include <iosfwd>
#include <string>
#include <vector>

namespace vantrel::cli {

enum ExitStatus : int {
    kExitPass = 0,
    kExitCheckFails = 1,
    kExitUsage = 2,
    kExitCalculationError = 3,
    kExitFileError = 4,
};

struct Streams {
    std::ostream& out;
    std::ostream& err;
    bool colour = false;  // standard output is a terminal
};

// Runs the command line args (without the program name); returns the exit status.
int Run(const std::vector<std::string>& args, Streams streams);

}  // namespace vantrel::cli
