#include "form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

#include "focus_guard.h"
#include "form_loads.h"
#include "help_dialogs.h"
#include "prompts.h"
#include "window_texts.h"

namespace vantrel {

QString DocumentNameOf(const QString& path) {
    if (path.isEmpty()) return QString::fromLatin1(kNewUntitled);
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(slash + 1);
}

Form1::Form1(Prompts* prompts, QWidget* parent)
    : QMainWindow(parent),
      ownedPrompts_(prompts == nullptr ? std::make_unique<DesktopPrompts>() : nullptr),
      prompts_(prompts == nullptr ? ownedPrompts_.get() : prompts) {
    setObjectName(QStringLiteral("Form1"));
    ResetSketchLabels();

    BuildControls();
    BuildMenus();
    BuildToolbar();
    GuardNumericFields();

    // The window loads: lists, default selections and grid layout, title.
    FillShapeLists();
    InitializeView();
    ConnectEditsToModified();
    ShowResults();
    documentName_ = DocumentNameOf(currentFileName_);
    SetTitle(kTitleAtLoad);
    adjustSize();
    CentreOnScreen(*this);
}

Form1::~Form1() = default;

void Form1::BringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void Form1::ShowTitleAsLoaded() {
    documentName_ = DocumentNameOf(currentFileName_);
    SetTitle(kTitleAtLoad);
}

void Form1::ContentsCommand() {
    auto* help = new FrmHelp(*prompts_, QCoreApplication::applicationDirPath(), this);
    prompts_->ShowDialog(*help);
}

void Form1::AboutCommand() {
    auto* about = new FrmAbout(*prompts_, this);
    prompts_->ShowDialog(*about);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!SavePrompt(QString::fromLatin1(kNewFileConfirmation))) {
        event->ignore();
        return;
    }
    ClearValues(state_.record);
    currentFilePath_.clear();
    currentFileName_.clear();
    documentName_.clear();
    // The dialogs go with the window.
    DiscardLoads();
    for (QDialog* dialog : findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly))
        dialog->close();
    event->accept();
}

}  // namespace vantrel
