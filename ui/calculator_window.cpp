#include "calculator_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

#include "focus_guard.h"
#include "gravity_loads_dialog.h"
#include "help_dialogs.h"
#include "prompts.h"
#include "window_settings.h"
#include "window_texts.h"

namespace vantrel {

QString DocumentNameOf(const QString& path) {
    if (path.isEmpty()) return QString::fromLatin1(kNewUntitled);
    const qsizetype slash =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return path.mid(slash + 1);
}

CalculatorWindow::CalculatorWindow(Prompts* prompts, QWidget* parent)
    : QMainWindow(parent),
      ownedPrompts_(prompts == nullptr ? std::make_unique<DesktopPrompts>() : nullptr),
      prompts_(prompts == nullptr ? ownedPrompts_.get() : prompts) {
    setObjectName(QStringLiteral("calculatorWindow"));
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
    // Where the user left it last time; centred at the first start.
    if (!restoreGeometry(settings::WindowGeometry())) CentreOnScreen(*this);
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::BringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void CalculatorWindow::ShowTitleAsLoaded() {
    documentName_ = DocumentNameOf(currentFileName_);
    SetTitle(kTitleAtLoad);
}

void CalculatorWindow::ContentsCommand() {
    auto* help = new HelpDialog(*prompts_, QCoreApplication::applicationDirPath(), this);
    prompts_->ShowDialog(*help);
}

void CalculatorWindow::AboutCommand() {
    auto* about = new AboutDialog(*prompts_, this);
    prompts_->ShowDialog(*about);
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
    if (!SavePrompt(QString::fromLatin1(kNewFileConfirmation))) {
        event->ignore();
        return;
    }
    // A window that was never shown (printing from the command line) keeps
    // the user's size and place as they were.
    if (isVisible()) settings::SetWindowGeometry(saveGeometry());
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
