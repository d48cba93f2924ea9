// The report command: the printed report of a design as a PDF file.
#include "report_command.h"

#include <QByteArray>
#include <QGuiApplication>
#include <cstdio>
#include <memory>
#include <ostream>

#include "command_forms.h"
#include "design_options.h"
#include "files/standard_streams.h"
#include "model/message_text.h"
#include "present/design_state.h"
#include "report/page_frame.h"
#include "report/report_pdf.h"

namespace vantrel::cli {
namespace {

// Qt's notice about a missing XDG_RUNTIME_DIR says nothing about the report;
// every other message goes through.
QtMessageHandler previousHandler = nullptr;

void FilterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith("QStandardPaths:")) return;
    if (previousHandler) {
        previousHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

// Fonts need a QGuiApplication. Without a platform chosen by the user the
// command runs offscreen, so it needs no display.
std::unique_ptr<QGuiApplication> StartGui() {
    if (QGuiApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(FilterQtMessages);
    static int argc = 1;
    static char name[] = "vantrel-report";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int ReportCommand(const std::vector<std::string>& args, Streams s) {
    const auto command = ParseCommand(CommandFormNamed("report"), args, s.err);
    if (!command) return kExitUsage;
    if (command->help) {
        PrintCommandHelp(CommandFormNamed("report"), s.out);
        return kExitPass;
    }
    const auto options = DesignOptionsOf(*command, 0, s.err);
    if (!options) return kExitUsage;
    const std::string* output = command->Value("--output");
    if (!output || output->empty()) {
        s.err << "vantrel-cli: report needs -o OUT.pdf\n";
        return kExitUsage;
    }
    if (options->file && IsSameFile(*options->file, *output)) {
        s.err << "vantrel-cli: the output is the input file \"" << MessageText(*options->file)
              << "\": write the report to another file\n";
        return kExitUsage;
    }
    int status = 0;
    auto inputs = LoadDesignInputs(*options, s.err, status);
    if (!inputs) return status;

    // As opening the file does: calculate, then print what the grids hold.
    DesignState state;
    CollectingErrorSink errors;
    CalculateAndPresent(state, *inputs, errors);
    // A report beside emptied grids would be signed as a result: write none.
    if (!errors.errors.empty()) {
        for (const ChainError& e : errors.errors) {
            s.err << "vantrel-cli: error " << e.number << " (" << e.description << ") in "
                  << e.procedure << " of " << e.module << '\n';
            if (!e.cause.empty()) s.err << "vantrel-cli: " << e.cause << '\n';
        }
        s.err << "vantrel-cli: no report written: the calculation reported an error\n";
        return kExitCalculationError;
    }

    const auto app = StartGui();
    // Standard input has no name: the footers say "New Untitled".
    const std::string file = options->file.value_or("");
    const ReportSource source{*inputs, state,
                              DocumentName(file == kStandardStreamName ? "" : file)};
    ReportResult result;
    if (NamesStandardOutput(*output)) {
        // Straight to standard output: no temporary file beside a pipe.
        std::string pdf;
        result = ReportPdfBytes(source, pdf);
        if (result.ok()) s.out.write(pdf.data(), static_cast<std::streamsize>(pdf.size()));
    } else {
        result = WriteReportPdf(*output, source);
    }
    if (!result.ok()) {
        s.err << "vantrel-cli: " << ReportFailurePrompt(result) << " ("
              << ReportFailureTitle(result) << ")\n";
        return kExitFileError;
    }
    return kExitPass;
}

}  // namespace vantrel::cli
