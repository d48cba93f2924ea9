// The document commands: New, Open, Save, Save As, the save prompt and the
// project file operations behind them.
#include <QFile>

#include "calculator_window.h"
#include "files/project_file.h"
#include "gravity_loads_dialog.h"
#include "prompts.h"
#include "window_texts.h"

namespace vantrel {
namespace {

// Paths are kept as the file system's bytes, so a name that is not UTF-8
// is opened and saved exactly; the texts shown decode them.
std::string FileSystemPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString ShownPath(const std::string& nativePath) {
    return QFile::decodeName(QByteArray::fromStdString(nativePath));
}

// A path shorter than 4 characters asks for the file.
bool AsksForFile(const std::string& nativePath) {
    return ShownPath(nativePath).size() < 4;
}

}  // namespace

void CalculatorWindow::SetTitle(const char* prefix) {
    setWindowTitle(QString::fromLatin1(prefix) + documentName_);
}

void CalculatorWindow::SetCurrentFileName(const std::string& nativePath) {
    currentFilePath_ = nativePath;
    currentFileName_ = nativePath.empty() ? QString() : ShownPath(nativePath);
    documentName_ = DocumentNameOf(currentFileName_);
}

// Asks whether to save a modified design. False abandons the command: the
// user chose Cancel, or chose Yes and the design was not saved after all.
bool CalculatorWindow::SavePrompt(const QString& title) {
    if (!Modified()) return true;
    const QMessageBox::StandardButton answer = prompts_->Message(
        this, QMessageBox::Question, title,
        QStringLiteral("Do you want to save the changes made to ") + documentName_ +
            QLatin1Char('.'),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::No) return true;
    if (answer != QMessageBox::Yes) return false;
    if (!SaveFile(currentFilePath_)) return false;
    SetTitle(kTitleNoBlank);
    return true;
}

bool CalculatorWindow::SaveFile(const std::string& nativePath) {
    std::string target = nativePath;
    if (AsksForFile(target)) {
        const QString chosen =
            prompts_->SaveFileName(this, QString::fromLatin1(kSaveDialogTitle),
                                   QtFileFilter(QString::fromLatin1(kSaveFilter)));
        if (chosen.isEmpty()) return false;
        target = FileSystemPath(chosen);
    }
    const int error = WriteProjectFile(target, CurrentInputs());
    if (error != 0) {
        ShowFileFailure(error, SaveFailurePrompt(ShownPath(target).toStdString()));
        return false;
    }
    SetCurrentFileName(target);
    SetModified(false);
    return true;
}

void CalculatorWindow::ShowFileFailure(int error, const std::string& prompt) {
    prompts_->Message(this, QMessageBox::Warning, QString::fromStdString(FailureTitle(error)),
                      QString::fromStdString(prompt), QMessageBox::Ok, QMessageBox::Ok);
}

bool CalculatorWindow::OpenFile(const QString& path) {
    return OpenNativeFile(FileSystemPath(path));
}

bool CalculatorWindow::OpenNativeFile(const std::string& nativePath) {
    if (!AsksForFile(nativePath)) return OpenPath(nativePath);
    const QString chosen = prompts_->OpenFileName(this, QString::fromLatin1(kOpenDialogTitle),
                                                  QtFileFilter(QString::fromLatin1(kOpenFilter)));
    if (chosen.isEmpty()) return false;
    return OpenPath(FileSystemPath(chosen));
}

bool CalculatorWindow::OpenPath(const std::string& source) {
    // The whole file is read and checked before any control changes.
    const ProjectReadResult read = ReadProjectFile(source);
    const int error = read.ok() ? CheckListTexts(read.inputs) : read.error;
    if (error != 0) {
        ShowFileFailure(error, OpenFailurePrompt(ShownPath(source).toStdString()));
        return false;
    }
    SetCurrentFileName(source);
    ShowInputs(read.inputs);
    RunCalculate();
    SetModified(false);
    return true;
}

void CalculatorWindow::NewCommand() {
    if (!SavePrompt(QString::fromLatin1(kNewFileConfirmation))) return;
    ClearValues(state_.record);
    state_.aisc358 = {};
    resultsShown_ = false;
    InitializeView();
    ResetSketchLabels();
    ShowResults();
    SetModified(false);
    SetCurrentFileName({});
    SetTitle(kTitleOneBlank);
}

void CalculatorWindow::OpenCommand() {
    if (!SavePrompt(QString::fromLatin1(kOpenFileConfirmation))) return;
    if (!OpenNativeFile({})) return;
    SetTitle(kTitleOneBlank);
    RunCalculate();
    SetModified(false);
}

void CalculatorWindow::SaveCommand() {
    if (SaveFile(currentFilePath_)) SetTitle(kTitleNoBlank);
}

void CalculatorWindow::SaveAsCommand() {
    if (SaveFile({})) SetTitle(kTitleOneBlank);
}

}  // namespace vantrel
