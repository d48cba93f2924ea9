// The Calculate command, the inputs it reads and the results it shows.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "aisc358_page.h"
#include "calculator_window.h"
#include "connection_sketch.h"
#include "gravity_loads_dialog.h"
#include "grid_view.h"
#include "model/shape_table.h"
#include "present/error_texts.h"
#include "prompts.h"

namespace vantrel {
namespace {

// Shows each trapped error of the chain as it happens; the grids then lose
// their values, before the chain goes on.
class MessageBoxSink final : public ErrorSink {
  public:
    MessageBoxSink(std::function<void(const ChainError&)> show, ResultGrids& grids)
        : show_(std::move(show)), grids_(grids) {}
    void ReportError(const ChainError& error) override {
        show_(error);
        ClearResults(grids_);
    }

  private:
    std::function<void(const ChainError&)> show_;
    ResultGrids& grids_;
};

}  // namespace

DesignInputs CalculatorWindow::CurrentInputs() {
    DesignInputs inputs;
    inputs.Column = columnList_->currentText().toStdString();
    inputs.Grade = gradeList_->currentText().toStdString();
    inputs.Beam = beamList_->currentText().toStdString();
    inputs.A = aCoefficientList_->currentText().toStdString();
    inputs.B = bCoefficientList_->currentText().toStdString();
    inputs.C = cCoefficientList_->currentText().toStdString();
    inputs.ORA = aOverrideField_->text().toStdString();
    inputs.ORB = bOverrideField_->text().toStdString();
    inputs.ORC = cOverrideField_->text().toStdString();
    inputs.Length = lengthField_->text().toStdString();
    inputs.Height = heightField_->text().toStdString();
    inputs.Description = descriptionField_->text().toStdString();
    inputs.FRAMETYPE = smrfOption_->isChecked() ? "SMRF" : "OMRF";
    inputs.ColumnAxialLoad = axialLoadField_->text().toStdString();
    inputs.ColumnAbove = columnAboveBox_->isChecked() ? "Yes" : "No";
    for (LoadTexts DesignInputs::*kind : kLoadKinds) inputs.*kind = loadTexts_.*kind;
    if (loads_) loads_->CopyTo(inputs);
    return inputs;
}

void CalculatorWindow::CalculateCommand() {
    if (RequiredInputsPresent()) RunCalculate();
}

bool CalculatorWindow::CalculateForReport() {
    const bool modified = Modified();
    const bool calculated = RequiredInputsPresent() && RunCalculate();
    SetModified(modified);
    return calculated;
}

bool CalculatorWindow::RunCalculate() {
    bool reported = false;
    MessageBoxSink sink(
        [this, &reported](const ChainError& error) {
            reported = true;
            ReportChainError(error);
        },
        state_.grids);
    const DesignInputs inputs = CurrentInputs();
    CalculateAndPresent(state_, inputs, sink);
    SetModified(true);
    resultsShown_ = !reported;
    shownInputs_ = inputs;
    ShowResults();
    return !reported;
}

// The column above changes only the current-code items, which are quick to
// bring up to date: a shown result is recalculated at once, as if Calculate
// had been pressed. Before a calculation, or after one that failed, the
// choice only waits for the next one.
void CalculatorWindow::ColumnAboveToggled() {
    if (showingInputs_) return;
    SetModified(true);
    if (resultsShown_) CalculateCommand();
}

void CalculatorWindow::ReportChainError(const ChainError& error) {
    prompts_->Message(this, QMessageBox::Critical, QString::fromStdString(ErrorTitle(error)),
                      QString::fromStdString(ErrorPrompt(error)), QMessageBox::Ok, QMessageBox::Ok);
}

void CalculatorWindow::ResetSketchLabels() {
    state_.labels = FreshSketchLabels();
}

void CalculatorWindow::ShowResults() {
    for (ResultGridView* grid : {summaryGrid_, checksGrid_, parametersGrid_}) grid->Refresh();
    ShowFlangeWidths();
    sketch_->SetLabels(state_.labels);
    aisc358Page_->Show(state_.aisc358);
    UpdateStaleMark();
}

// A property of the chosen shape, not a result: it follows the list at once.
void CalculatorWindow::ShowFlangeWidths() {
    for (const auto& [list, label] :
         {std::pair{beamList_, beamWidthLabel_}, std::pair{columnList_, columnWidthLabel_}}) {
        const std::string name = list->currentText().toStdString();
        label->setText(name.empty()
                           ? QStringLiteral("Fl. Width =")
                           : QString::fromStdString(FlangeWidthLabel(ShapeFromDesignation(name))));
    }
}

void CalculatorWindow::UpdateStaleMark() {
    bool stale = false;
    if (resultsShown_) {
        DesignInputs now = CurrentInputs();
        now.Description = shownInputs_.Description;
        stale = now != shownInputs_;
    }
    staleLabel_->setVisible(stale);
    summaryGrid_->SetStale(stale, SummaryGrid::kValueColumns);
    checksGrid_->SetStale(stale, ChecksGrid::kValueColumns);
    parametersGrid_->SetStale(stale, ParametersGrid::kValueColumns);
    aisc358Page_->SetStale(stale);
    sketch_->SetStale(stale);
}

}  // namespace vantrel
