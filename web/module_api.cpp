// The browser edition's module: the calculating commands' code behind a few
// JavaScript functions (embind). Nothing is calculated, checked or written
// here: each function converts its arguments and calls what the command line
// and the window call (present/'s command outputs and presented design, the
// input checks, the .vtl codec, the report's pages), so the page shows what
// vantrel-cli prints and the window shows.
//
//   newDesign()                   the 30 input texts of a new design
//   inputLists()                  { Beam, Column, Grade, A, B, C }: the entries of the lists
//   calculate(inputs, format)     calc (--json with "json", else the text tables):
//                                 { status, output, errors } as exit status, stdout, stderr
//   search(inputs, options)       search with { code, noDoublers, noContinuity,
//                                 format ("json", "csv" or "text"), limit }: { status, output,
//                                 errors }; with format "rows", the designs as Find Designs
//                                 shows them: { summary, headings, rows (a JSON text: an
//                                 array of each design's texts) }
//   findDesignsTexts()            { intro, caveat (shown with a FEMA 350 search) }
//   batch(csvText, fileName)      batch: { status, output (the results CSV), errors }
//   save(inputs, fileName)        { bytes } (a .vtl file's content) or { error, message }
//   open(bytes, fileName)         { inputs } as opening the file puts them, or { error, message }
//   checkField(name, text, inputs)
//                                 the field's check before the focus may leave it:
//                                 { text (an empty one filled in), refusal (message or null) }
//   formatField(text, pattern)    a field's text once the focus has left it ("0.000")
//   acceptsTyped(text)            whether a numeric field takes every character typed
//   fieldPatterns()               { name: pattern } of every numeric input ("0.00", "0.000")
//   present(inputs)               one calculation as the window shows it: { status (calc's),
//                                 grids (a JSON text: the cells of calc --json's grids as
//                                 [text, colour, bold]), labels (the sketch's), messages
//                                 ([{ title, prompt }] of the reported errors), aisc358
//                                 ({ verdict, sums, rows, assumptions }, the "AISC 358-16"
//                                 tab) }
//   report(inputs, documentName, dateTime)
//                                 the printed report of the inputs, calculated afresh:
//                                 { pages } (SVG documents), { messages } when the
//                                 calculation reports errors, or { failure: { title,
//                                 prompt } }; an empty dateTime takes the time now
//
// Inputs are objects of texts by project-file name; a name not given keeps
// the new design's text, an unknown name or a value that is not a string
// throws a TypeError.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <sstream>
#include <string>
#include <vector>

#include "files/project_file.h"
#include "model/design_inputs.h"
#include "model/field_rules.h"
#include "model/input_checks.h"
#include "model/input_lists.h"
#include "model/shape_table.h"
#include "present/aisc358_section.h"
#include "present/batch_output.h"
#include "present/calc_output.h"
#include "present/design_json.h"
#include "present/design_state.h"
#include "present/error_texts.h"
#include "present/search_output.h"
#include "present/search_rows.h"
#include "report/print_report.h"
#include "report/svg_canvas.h"
#include "search/search.h"

namespace vantrel::web {
namespace {

using emscripten::val;

[[noreturn]] void ThrowTypeError(const std::string& message) {
    val::global("TypeError").new_(message).throw_();
}

DesignInputs InputsOf(const val& given) {
    if (!given.isUndefined() && given.typeOf().as<std::string>() != "object")
        ThrowTypeError("inputs must be an object of texts by input name");
    DesignInputs inputs = NewDesignInputs();
    if (given.isUndefined() || given.isNull()) return inputs;
    const val names = val::global("Object").call<val>("keys", given);
    const int count = names["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        const std::string name = names[i].as<std::string>();
        std::string* text = inputs.Find(name);
        if (text == nullptr) ThrowTypeError("unknown input name '" + name + "'");
        const val value = given[name];
        if (!value.isString()) ThrowTypeError("input '" + name + "' must be a string");
        *text = value.as<std::string>();
    }
    return inputs;
}

val ObjectOf(const DesignInputs& inputs) {
    val object = val::object();
    for (const InputField& field : kInputFields)
        object.set(std::string(field.name), field.Of(inputs));
    return object;
}

val ArrayOf(const std::vector<std::string>& texts) {
    val array = val::array();
    for (const std::string& text : texts) array.call<void>("push", text);
    return array;
}

val Outcome(int status, const std::ostringstream& out, const std::ostringstream& err) {
    val outcome = val::object();
    outcome.set("status", status);
    outcome.set("output", out.str());
    outcome.set("errors", err.str());
    return outcome;
}

val Failure(int error, const std::string& prompt) {
    val failure = val::object();
    failure.set("error", error);
    failure.set("message", prompt + "(" + FailureTitle(error) + "): " + FailureReason(error));
    return failure;
}

val NewDesign() {
    return ObjectOf(NewDesignInputs());
}

val InputLists() {
    std::vector<std::string> shapes;
    for (int i = 0; i < kShapeCount; ++i) shapes.emplace_back(ShapeName(i));
    std::vector<std::string> grades;
    for (const GradeEntry& grade : kGradeEntries) grades.emplace_back(grade.text);
    val lists = val::object();
    lists.set("Beam", ArrayOf(shapes));
    lists.set("Column", ArrayOf(shapes));
    lists.set("Grade", ArrayOf(grades));
    lists.set("A", ArrayOf(CoefficientEntriesA()));
    lists.set("B", ArrayOf(CoefficientEntriesB()));
    lists.set("C", ArrayOf(CoefficientEntriesC()));
    return lists;
}

val Calculate(const val& inputs, const std::string& format) {
    const DesignInputs design = InputsOf(inputs);
    std::ostringstream out, err;
    const int status = CalculateAndPrint(design, format == "json", {out, err});
    return Outcome(status, out, err);
}

// The designs as Find Designs shows them: the line above the table, the
// headings, and each design's texts.
val SearchRowsOf(const DesignInputs& design, const SearchOptions& options) {
    const SearchResult result = SearchDesigns(design, options);
    val found = val::object();
    found.set("summary", SearchSummary(result, options.code, design.ColumnAxialLoad));
    std::vector<std::string> headings(kSearchRowHeadings.begin(), kSearchRowHeadings.end());
    found.set("headings", ArrayOf(headings));
    found.set("rows", SearchRowsJson(result));
    return found;
}

val FindDesignsTexts() {
    val texts = val::object();
    texts.set("intro", std::string(kFindDesignsIntro));
    texts.set("caveat", std::string(kFemaSearchCaveat));
    return texts;
}

val Search(const val& inputs, const val& given) {
    const DesignInputs design = InputsOf(inputs);
    const val options = given.isUndefined() ? val::object() : given;
    SearchOptions search;
    search.threads = 1;  // a browser has no threads without special server headers
    const std::string code = options["code"].isString() ? options["code"].as<std::string>() : "";
    if (!code.empty() && !ReadCode(code, search.code))
        ThrowTypeError("code must be fema350, aisc358 or both, not '" + code + "'");
    search.excludeDoublerPlates = options["noDoublers"].as<bool>();
    search.excludeContinuityPlates = options["noContinuity"].as<bool>();
    const std::string format =
        options["format"].isString() ? options["format"].as<std::string>() : "json";
    if (format == "rows") return SearchRowsOf(design, search);
    const SearchFormat as = format == "csv"    ? SearchFormat::Csv
                            : format == "text" ? SearchFormat::Table
                                               : SearchFormat::Json;
    const double limit = options["limit"].isNumber() ? options["limit"].as<double>() : 20;
    std::ostringstream out, err;
    const int status =
        SearchAndPrint(design, search, as, limit > 0 ? static_cast<size_t>(limit) : 0, {out, err});
    return Outcome(status, out, err);
}

val Batch(const std::string& csv, const std::string& fileName) {
    std::ostringstream out, err;
    std::string results;
    const int status = BatchOfText(csv, fileName, results, err);
    out << results;
    return Outcome(status, out, err);
}

val Save(const val& inputs, const std::string& fileName) {
    const DesignInputs design = InputsOf(inputs);
    if (const int error = CheckSavable(design)) return Failure(error, SaveFailurePrompt(fileName));
    const std::vector<uint8_t> bytes = EncodeProject(design);
    val saved = val::object();
    // A copy: a view would follow the module's memory when it grows.
    saved.set("bytes", val::global("Uint8Array")
                           .new_(emscripten::typed_memory_view(bytes.size(), bytes.data()))
                           .call<val>("slice"));
    return saved;
}

val Open(const val& bytes, const std::string& fileName) {
    const std::vector<uint8_t> content = emscripten::convertJSArrayToNumberVector<uint8_t>(bytes);
    ProjectReadResult read = DecodeProject(content);
    if (!read.ok()) return Failure(read.error, OpenFailurePrompt(fileName));
    val opened = val::object();
    opened.set("inputs", ObjectOf(read.inputs));
    return opened;
}

val CheckField(const std::string& name, const std::string& text, const val& inputs) {
    if (NewDesignInputs().Find(name) == nullptr)
        ThrowTypeError("unknown input name '" + name + "'");
    std::string checked = text;
    const std::optional<std::string> refusal = CheckFieldText(name, checked, InputsOf(inputs));
    val result = val::object();
    result.set("text", checked);
    result.set("refusal", refusal ? val(*refusal) : val::null());
    return result;
}

std::string FormatField(const std::string& text, const std::string& pattern) {
    return FormatFieldText(text, pattern);
}

bool AcceptsTyped(const std::string& text) {
    for (const char c : text)
        if (!AcceptsTypedCharacter(static_cast<unsigned char>(c))) return false;
    return true;
}

val FieldPatterns() {
    val patterns = val::object();
    for (const InputField& field : kInputFields) {
        const std::string_view pattern = FieldPattern(field.name);
        if (!pattern.empty()) patterns.set(std::string(field.name), std::string(pattern));
    }
    return patterns;
}

// The message boxes the window shows for the reported errors, in order.
val MessagesOf(const std::vector<ChainError>& errors) {
    val messages = val::array();
    for (const ChainError& error : errors) {
        val message = val::object();
        message.set("title", ErrorTitle(error));
        message.set("prompt", ErrorPrompt(error));
        messages.call<void>("push", message);
    }
    return messages;
}

val SectionOf(const Aisc358Section& section) {
    val shown = val::object();
    shown.set("verdict", Aisc358VerdictText(section));
    shown.set("sums", Aisc358MomentSumsText(section));
    val rows = val::array();
    if (section.result) {
        for (const Aisc358Row& row : Aisc358Rows(*section.result)) {
            val cells = val::object();
            cells.set("groupTitle", row.groupTitle);
            cells.set("id", row.id);
            cells.set("label", row.label);
            cells.set("value", row.value);
            cells.set("limit", row.limit);
            cells.set("ratio", row.ratio);
            cells.set("status", row.status);
            cells.set("reference", row.reference);
            cells.set("colour", ColourText(row.colour));
            rows.call<void>("push", cells);
        }
    }
    shown.set("rows", rows);
    std::vector<std::string> assumptions;
    for (const std::string_view line : current::Assumptions()) assumptions.emplace_back(line);
    shown.set("assumptions", ArrayOf(assumptions));
    return shown;
}

val LabelsOf(const SketchLabels& labels) {
    val shown = val::object();
    for (const auto& [name, text] : NamedLabels(labels)) shown.set(std::string(name), *text);
    return shown;
}

val Present(const val& inputs) {
    const DesignInputs design = InputsOf(inputs);
    DesignState state;
    CollectingErrorSink errors;
    CalculateAndPresent(state, design, errors);
    val shown = val::object();
    shown.set("status", CalculationStatus(state));
    shown.set("grids", GridCellsJson(state.grids));
    shown.set("labels", LabelsOf(state.labels));
    shown.set("messages", MessagesOf(errors.errors));
    shown.set("aisc358", SectionOf(state.aisc358));
    return shown;
}

// As the window prints: the inputs calculated first, and no report of a
// design whose calculation reports an error.
val Report(const val& inputs, const std::string& documentName, const std::string& dateTime) {
    const DesignInputs design = InputsOf(inputs);
    DesignState state;
    CollectingErrorSink errors;
    CalculateAndPresent(state, design, errors);
    val report = val::object();
    if (!errors.errors.empty()) {
        report.set("messages", MessagesOf(errors.errors));
        return report;
    }
    const ReportSource source{design, state, documentName, dateTime};
    SvgCanvas canvas;
    const ReportResult result = WriteReport(canvas, source);
    if (!result.ok()) {
        val failure = val::object();
        failure.set("title", ReportFailureTitle(result));
        failure.set("prompt", ReportFailurePrompt(result));
        report.set("failure", failure);
        return report;
    }
    report.set("pages", ArrayOf(canvas.Pages()));
    return report;
}

}  // namespace
}  // namespace vantrel::web

EMSCRIPTEN_BINDINGS(vantrel) {
    using namespace vantrel::web;
    emscripten::function("newDesign", &NewDesign);
    emscripten::function("inputLists", &InputLists);
    emscripten::function("calculate", &Calculate);
    emscripten::function("search", &Search);
    emscripten::function("findDesignsTexts", &FindDesignsTexts);
    emscripten::function("batch", &Batch);
    emscripten::function("save", &Save);
    emscripten::function("open", &Open);
    emscripten::function("checkField", &CheckField);
    emscripten::function("formatField", &FormatField);
    emscripten::function("acceptsTyped", &AcceptsTyped);
    emscripten::function("fieldPatterns", &FieldPatterns);
    emscripten::function("present", &Present);
    emscripten::function("report", &Report);
}
