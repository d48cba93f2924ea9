// The document commands: New, Open, Save, Save As, the save prompt and the
// project file operations behind them.
#include <QFile>

#include "files/project_file.h"
#include "form1.h"
#include "form_loads.h"
#include "prompts.h"
#include "window_texts.h"

namespace vantrel {
namespace {

std::string FileSystemPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

void Form1::SetTitle(const char* prefix) {
    setWindowTitle(QString::fromLatin1(prefix) + documentName_);
}

void Form1::SetCurrentFileName(const QString& path) {
    currentFileName_ = path;
    documentName_ = DocumentNameOf(path);
}

// Asks whether to save a modified design. False abandons the command: the
// user chose Cancel, or chose Yes and the design was not saved after all.
bool Form1::SavePrompt(const QString& title) {
    if (!Modified()) return true;
    const QMessageBox::StandardButton answer = prompts_->Message(
        this, QMessageBox::Question, title,
        QStringLiteral("Do you want to save the changes made to ") + documentName_ +
            QLatin1Char('.'),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::No) return true;
    if (answer != QMessageBox::Yes) return false;
    if (!SaveFile(currentFileName_)) return false;
    SetTitle(kTitleNoBlank);
    return true;
}

bool Form1::SaveFile(const QString& path) {
    QString target = path;
    if (target.size() < 4) {
        target = prompts_->SaveFileName(this, QString::fromLatin1(kSaveDialogTitle),
                                        QtFileFilter(QString::fromLatin1(kSaveFilter)));
        if (target.isEmpty()) return false;
    }
    const int error = WriteProjectFile(FileSystemPath(target), CurrentInputs());
    if (error != 0) {
        prompts_->Message(this, QMessageBox::Warning, QString::fromStdString(FailureTitle(error)),
                          QString::fromStdString(SaveFailurePrompt(target.toStdString())),
                          QMessageBox::Ok, QMessageBox::Ok);
        return false;
    }
    SetCurrentFileName(target);
    SetModified(false);
    return true;
}

bool Form1::OpenFile(const QString& path) {
    QString source = path;
    if (source.size() < 4) {
        source = prompts_->OpenFileName(this, QString::fromLatin1(kOpenDialogTitle),
                                        QtFileFilter(QString::fromLatin1(kOpenFilter)));
        if (source.isEmpty()) return false;
    }
    // The whole file is read and checked before any control changes.
    const ProjectReadResult read = ReadProjectFile(FileSystemPath(source));
    const int error = read.ok() ? CheckListTexts(read.inputs) : read.error;
    if (error != 0) {
        prompts_->Message(this, QMessageBox::Warning, QString::fromStdString(FailureTitle(error)),
                          QString::fromStdString(OpenFailurePrompt(source.toStdString())),
                          QMessageBox::Ok, QMessageBox::Ok);
        return false;
    }
    SetCurrentFileName(source);
    ShowInputs(read.inputs);
    RunCalculate();
    SetModified(false);
    return true;
}

void Form1::NewCommand() {
    if (!SavePrompt(QString::fromLatin1(kNewFileConfirmation))) return;
    ClearValues(state_.record);
    aisc358_ = {};
    resultsShown_ = false;
    InitializeView();
    ResetSketchLabels();
    ShowResults();
    SetModified(false);
    SetCurrentFileName(QString());
    SetTitle(kTitleOneBlank);
}

void Form1::OpenCommand() {
    if (!SavePrompt(QString::fromLatin1(kOpenFileConfirmation))) return;
    if (!OpenFile(QString())) return;
    SetTitle(kTitleOneBlank);
    RunCalculate();
    SetModified(false);
}

void Form1::SaveCommand() {
    if (SaveFile(currentFileName_)) SetTitle(kTitleNoBlank);
}

void Form1::SaveAsCommand() {
    if (SaveFile(QString())) SetTitle(kTitleOneBlank);
}

}  // namespace vantrel
