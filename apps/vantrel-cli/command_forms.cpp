#include "command_forms.h"

#include <array>

namespace vantrel::cli {
namespace {

constexpr std::string_view kSetHelp =
    "replace the input NAME (a project-file key) with TEXT; repeated, the last of a NAME wins";

constexpr std::string_view kInputNames =
    "\nInput names for --set are the project-file keys (Beam, Column, Grade, A, B, C,\n"
    "ORA, ORB, ORC, Length, Height, Description, FRAMETYPE, DistDL1 ... PointLoadLocation3,\n"
    "ColumnAxialLoad, ColumnAbove).\n";

constexpr std::string_view kDesignFile =
    "  FILE.vtl   the project file of the design (\"-\": read it from standard input);\n"
    "             without it, a new design with the window's defaults\n";

constexpr OptionForm kSet{"--set", "", "NAME=TEXT", kSetHelp, true};

constexpr std::array kCalcOptions{
    kSet,
    OptionForm{"--json", "", "", "print the design, its grids and current-code items as JSON"}};

constexpr std::array kSaveOptions{kSet};

constexpr std::array kReportOptions{
    kSet, OptionForm{"--output", "-o", "OUT.pdf",
                     "the PDF to write (\"-\": standard output); replaced once complete"}};

constexpr std::array kSearchOptions{
    kSet,
    OptionForm{"--code", "", "fema350|aisc358|both",
               "what passing means (both unless given): the FEMA 350 checks, the AISC 358-16 "
               "verdict, or both"},
    OptionForm{"--no-doublers", "", "", "also require no doubler plates"},
    OptionForm{"--no-continuity", "", "", "also require no continuity plates"},
    OptionForm{"--limit", "", "N", "the text table's number of designs (20 unless given)"},
    OptionForm{"--json", "", "", "list every passing design as JSON"},
    OptionForm{"--csv", "", "", "list every passing design as CSV"}};

constexpr std::array kBatchOptions{OptionForm{
    "--output", "-o", "OUT.csv",
    "the results CSV to write (\"-\" or none: standard output); replaced once complete"}};

const std::array<CommandForm, 5> kForms{{
    {"calc", "calc [FILE.vtl] [--set NAME=TEXT]... [--json]", kDesignFile, 0, 1, "", kCalcOptions,
     kInputNames},
    {"batch", "batch IN.csv [-o OUT.csv]",
     "  IN.csv     the designs, one a row, columns named by the input names\n"
     "             (\"-\": read it from standard input)\n",
     1, 1, "a CSV file", kBatchOptions},
    {"search",
     "search [FILE.vtl] [--set NAME=TEXT]... [--code fema350|aisc358|both] [--no-doublers] "
     "[--no-continuity] [--limit N] [--json|--csv]",
     kDesignFile, 0, 1, "", kSearchOptions,
     "\n--code is both unless given: a pair must pass FEMA 350 and AISC 358-16 (FEMA 350 alone\n"
     "does not check the beam under gravity load).\n"
     "Input names for --set are the project-file keys (Beam, Column, Grade, A, B, C,\n"
     "ORA, ORB, ORC, Length, Height, Description, FRAMETYPE, DistDL1 ... PointLoadLocation3,\n"
     "ColumnAxialLoad, ColumnAbove).\n"},
    {"save", "save OUT.vtl [FILE.vtl] [--set NAME=TEXT]...",
     "  OUT.vtl    the project file to write (a file: never standard output);\n"
     "             replaced once complete\n"
     "  FILE.vtl   the project file of the design (\"-\": read it from standard input);\n"
     "             without it, a new design with the window's defaults\n",
     1, 2, "the file to write", kSaveOptions, kInputNames},
    {"report", "report [FILE.vtl] [--set NAME=TEXT]... -o OUT.pdf", kDesignFile, 0, 1, "",
     kReportOptions, kInputNames},
}};

}  // namespace

std::span<const CommandForm> CommandForms() {
    return kForms;
}

const CommandForm& CommandFormNamed(std::string_view name) {
    for (const CommandForm& form : kForms)
        if (form.name == name) return form;
    return kForms.front();
}

}  // namespace vantrel::cli
