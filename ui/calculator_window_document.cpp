// The document commands: New, Open, Save, Save As, the save prompt and the
// project file operations behind them.
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>

#include "calculator_window.h"
#include "files/project_file.h"
#include "gravity_loads_dialog.h"
#include "prompts.h"
#include "window_settings.h"
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

// A handed-over file waits this long for a modal dialog to close.
constexpr int kModalRetryMs = 300;

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
        const QString chosen = ChooseFile(true, kSaveDialogTitle, kSaveFilter);
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
    settings::AddRecentFile(target);
    return true;
}

QString CalculatorWindow::ChooseFile(bool forSaving, const char* title, const char* filter) {
    const QString folder = settings::LastFolder();
    const QString qtFilter = QtFileFilter(QString::fromLatin1(filter));
    const QString chosen =
        forSaving ? prompts_->SaveFileName(this, QString::fromLatin1(title), qtFilter, folder)
                  : prompts_->OpenFileName(this, QString::fromLatin1(title), qtFilter, folder);
    if (!chosen.isEmpty()) settings::SetLastFolderOf(chosen);
    return chosen;
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
    const QString chosen = ChooseFile(false, kOpenDialogTitle, kOpenFilter);
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
    settings::AddRecentFile(source);
    return true;
}

void CalculatorWindow::OpenHandedFile(const std::string& nativePath) {
    BringToFront();
    // The open dialog, a question or the loads dialog finishes first.
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(kModalRetryMs, this, [this, nativePath] { OpenHandedFile(nativePath); });
        return;
    }
    if (!SavePrompt(QString::fromLatin1(kOpenFileConfirmation))) return;
    if (OpenPath(nativePath)) SetTitle(kTitleOneBlank);
}

void CalculatorWindow::OpenRecentFile(const std::string& nativePath) {
    if (!QFileInfo::exists(ShownPath(nativePath))) {
        settings::RemoveRecentFile(nativePath);
        prompts_->Message(this, QMessageBox::Information, QStringLiteral("Recent Files"),
                          QStringLiteral("%1 is no longer there; it was taken off the list of "
                                         "recent files.")
                              .arg(ShownPath(nativePath)),
                          QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    if (!SavePrompt(QString::fromLatin1(kOpenFileConfirmation))) return;
    if (OpenPath(nativePath)) SetTitle(kTitleOneBlank);
}

void CalculatorWindow::FillRecentFilesMenu() {
    recentFilesMenu_->clear();
    const std::vector<std::string> recent = settings::RecentFiles();
    int number = 0;
    for (const std::string& path : recent) {
        QString shown = ShownPath(path);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action =
            recentFilesMenu_->addAction(QStringLiteral("&%1 %2").arg(++number).arg(shown));
        connect(action, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
    }
    if (recent.empty()) {
        recentFilesMenu_->addAction(QStringLiteral("No recent files"))->setEnabled(false);
        return;
    }
    recentFilesMenu_->addSeparator();
    QAction* clear = recentFilesMenu_->addAction(QStringLiteral("&Clear List"));
    clear->setObjectName(QStringLiteral("clearRecentFilesAction"));
    connect(clear, &QAction::triggered, this, [] { settings::ClearRecentFiles(); });
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
