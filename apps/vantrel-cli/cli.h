#pragma once
// vantrel-cli: the headless interface to Vantrel.
//
//   vantrel-cli calc [FILE.vtl] [--set NAME=TEXT]... [--json]
//       Calculates one design: a new design (the window's defaults) or a saved
//       project, with any of the 30 inputs replaced by name, and prints the
//       three result grids and the current-code items (AISC 358-16 with
//       341-16 and 360-16: value, limits, ratio, status, unit, by group) as
//       text, or everything as JSON ("aisc358": the items, or null after a
//       calculation error).
//       Exit status: 0 every FEMA 350 verdict passes and the design meets the
//       current code, 1 a check of either code fails, 3 a calculation error
//       was reported, 2 usage error (4 a project file cannot be read, or
//       standard output cannot be written, for every command).
//
//   vantrel-cli save OUT.vtl [FILE.vtl] [--set NAME=TEXT]...
//       Writes a project file: a new design's inputs or FILE's (as opening it
//       would show them), with any of the 30 inputs replaced by name. An
//       existing OUT is replaced only once the new file is complete.
//       Exit status: 0 written, 2 usage error, 4 a file cannot be read or written.
//
//   vantrel-cli report [FILE.vtl] [--set NAME=TEXT]... -o OUT.pdf
//       Writes the printed report of a design as a PDF (Letter paper: three
//       FEMA 350 pages, then the current-code pages), after calculating it as
//       opening the file does. The footers
//       name the file without its folder ("New Untitled" without a file).
//       An existing OUT is replaced only once the report is complete.
//       Exit status: 0 written, 3 a calculation error was reported (the
//       errors on stderr, no file written), 2 usage error, 4 a file cannot be
//       read or the report cannot be written ("Unable to print report. ..."
//       on stderr).
//       The report is painted with Qt (Gui, offscreen) by the program
//       vantrel-report, which this command runs with its arguments: it lies
//       beside vantrel-cli in a build folder, in the package's libexec folder
//       (/usr/libexec/vantrel) when installed. A build without the window has
//       none (exit status 4).
//
//   vantrel-cli search [FILE.vtl] [--set NAME=TEXT]... [--code fema350|aisc358|both]
//                      [--no-doublers] [--no-continuity] [--limit N] [--json|--csv]
//       Calculates every beam on every column of the shape table with the
//       design's other inputs and lists the pairs that pass, lightest frame
//       first (beam weight x span + 2 x column weight x height, then beam
//       weight). --code chooses what passing means: fema350 the FEMA 350
//       prequalification, Mf, slenderness and shear checks; aisc358 the
//       current-code verdict (no AISC 358-16 / 341-16 / 360-16 item fails);
//       both (the default: FEMA 350 alone does not check the beam under
//       gravity load), both of them.
//       --no-doublers / --no-continuity also require no doubler / continuity
//       plates by the chosen code's plate items (for aisc358: panel-zone
//       shear or thickness; continuity_plate_thickness, that is continuity
//       plates by 341 E3-8/E3-9 or by 360 J10.1-J10.3; for both, both
//       codes'). --limit N shortens the text table (JSON and CSV list all).
//       JSON and CSV give each design's Aisc358Pass, StrongColumnRatio,
//       PanelZoneRatio, HingeRatio and ColumnAxialRatio whatever the code
//       (null, or an empty CSV field, when absent).
//       Exit status: 0 designs found, 1 none passes, 2 usage error, 3 the
//       inputs make every pair fail with a calculation error (with aisc358
//       or both also: the column axial load is not a number or is
//       negative), 4 file error.
//
//   vantrel-cli batch IN.csv [-o OUT.csv]
//       Calculates one design per row of a CSV file (RFC 4180) whose header
//       names the columns by the input names; an input without a column takes
//       the new-design default. Writes one CSV line per row to standard output
//       or OUT: Line, Beam, Column, Fema350, Fema350Failing, Aisc358,
//       Aisc358Failing, MfRatio, ShearRatio, StrongColumnRatio,
//       PanelZoneRatio, HingeRatio, ColumnAxialRatio, Errors. A row with a
//       calculation error is reported on its line and the others go on; a
//       file that is not CSV, or whose header names an unknown or repeated
//       input, is refused with its line number.
//       Exit status: 0 every row passes both codes, 1 a row fails a check,
//       3 a row reported an error, 2 usage error, 4 IN cannot be read or is
//       refused, or OUT cannot be written.
//
//   vantrel-cli [COMMAND] --help     the usage (of one command); exit status 0
//   vantrel-cli --version            the program's name and version; exit status 0
//
// Input names are the project-file keys: Column, Grade, Beam, A, B, C, ORA,
// ORB, ORC, Length, Height, Description, FRAMETYPE, DistDL1..3, DistLL1..3,
// PointDL1..3, PointLL1..3, PointLoadLocation1..3, ColumnAxialLoad (Puc, kip),
// ColumnAbove ("Yes": the column continues above the joint). A value must be
// what the window's control could hold: an entry of its list (Beam, Column,
// Grade, A, B, C, FRAMETYPE "SMRF"/"OMRF", ColumnAbove "Yes"/"No"), or for a
// numeric field digits, "." and "-" only, not negative and within the field's
// limits (a location not beyond the length, an override within its share of
// the length or the beam's flange); else exit status 2.

#include <iosfwd>
#include <string>
#include <vector>

#include "present/command_output.h"

namespace vantrel::cli {

using vantrel::Streams;

// Runs the command line args (without the program name); returns the exit
// status. Output that could not be written to streams.out (a full disk)
// turns any status into kExitFileError, with a message on err; the programs'
// standard output ends them at a closed pipe (standard_output.h).
int Run(const std::vector<std::string>& args, Streams streams);

// Flushes out; status when everything reached it, else kExitFileError after
// a message on err.
int FinishOutput(std::ostream& out, std::ostream& err, int status);

}  // namespace vantrel::cli
