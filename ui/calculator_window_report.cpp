// The report commands (Print, Export PDF) and the design search.
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include "calculator_window.h"
#include "find_designs_dialog.h"
#include "prompts.h"
#include "report/report_pdf.h"

namespace vantrel {
namespace {

constexpr const char* kPrintDialogTitle = "Print Reduced Beam Section Connection";
constexpr const char* kExportDialogTitle = "Export Report as PDF";
constexpr const char* kPdfFilter = "PDF File (*.pdf)|*.pdf";

}  // namespace

// Prints the report of the current inputs, calculated afresh, so that it
// never shows results of other inputs. Cancel in the print dialog is silent.
void CalculatorWindow::PrintCommand() {
    if (!CalculateForReport()) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Reduced Beam Section Connection"));
    if (!prompts_->ChoosePrinter(this, printer, QString::fromLatin1(kPrintDialogTitle))) return;
    const DesignInputs inputs = CurrentInputs();
    const ReportSource source{inputs, state_, DocumentName().toStdString()};
    const ReportResult result = PaintReport(printer, source, [&printer] { printer.abort(); });
    if (!result.ok()) ShowReportFailure(result.number, QString::fromStdString(result.description));
}

// The same pages as a PDF file, for engineers without a printer at hand.
void CalculatorWindow::ExportPdfCommand() {
    if (!CalculateForReport()) return;
    QString path = ChooseFile(true, kExportDialogTitle, kPdfFilter);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    const DesignInputs inputs = CurrentInputs();
    const ReportSource source{inputs, state_, DocumentName().toStdString()};
    const ReportResult result = WriteReportPdf(QFile::encodeName(path).toStdString(), source);
    if (!result.ok()) ShowReportFailure(result.number, QString::fromStdString(result.description));
}

void CalculatorWindow::ShowReportFailure(int number, const QString& description) {
    prompts_->Message(this, QMessageBox::Warning, QStringLiteral("Error: %1").arg(number),
                      QStringLiteral("Unable to print report. ") + description, QMessageBox::Ok,
                      QMessageBox::Ok);
}

// Lists every pair that passes with the other inputs as they stand; choosing
// one puts it into the lists and calculates.
void CalculatorWindow::FindDesignsCommand() {
    auto* dialog = new FindDesignsDialog(CurrentInputs(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->Search();
    connect(dialog, &QDialog::finished, this, [this, dialog](int result) {
        const auto chosen = dialog->Chosen();
        if (result != QDialog::Accepted || !chosen) return;
        beamList_->setCurrentIndex(beamList_->findText(chosen->first));
        columnList_->setCurrentIndex(columnList_->findText(chosen->second));
        CalculateCommand();
    });
    prompts_->ShowDialog(*dialog);
}

}  // namespace vantrel
