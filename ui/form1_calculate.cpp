// The Calculate command, the inputs it reads and the results it shows.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "aisc358_page.h"
#include "checks/grid_presenters.h"
#include "connection_sketch.h"
#include "form1.h"
#include "form_loads.h"
#include "grid_view.h"
#include "model/shape_table.h"
#include "prompts.h"

namespace vantrel {
namespace {

// Shows each trapped error of the chain as it happens; the chain empties
// the grids itself after reporting.
class MessageBoxSink final : public ErrorSink {
  public:
    explicit MessageBoxSink(std::function<void(const ChainError&)> show) : show_(std::move(show)) {}
    void ReportError(const ChainError& error) override { show_(error); }

  private:
    std::function<void(const ChainError&)> show_;
};

}  // namespace

DesignInputs Form1::CurrentInputs() {
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
    if (loads_) {
        loads_->CopyTo(inputs);
    } else {
        FormLoads::FillFromRecord(state_.record, inputs);
    }
    return inputs;
}

void Form1::CalculateCommand() {
    if (RequiredInputsPresent()) RunCalculate();
}

bool Form1::CalculateForReport() {
    const bool modified = Modified();
    const bool calculated = RequiredInputsPresent() && RunCalculate();
    SetModified(modified);
    return calculated;
}

bool Form1::RunCalculate() {
    bool reported = false;
    MessageBoxSink sink([this, &reported](const ChainError& error) {
        reported = true;
        ReportChainError(error);
    });
    const DesignInputs inputs = CurrentInputs();
    Calculate(state_, inputs, sink);
    aisc358_ = EvaluateSection(inputs, state_.record, reported);
    resultsShown_ = !reported;
    shownInputs_ = inputs;
    ShowResults();
    return !reported;
}

// The column above changes only the current-code items, which are quick to
// bring up to date: a shown result is recalculated at once, as if Calculate
// had been pressed. Before a calculation, or after one that failed, the
// choice only waits for the next one.
void Form1::ColumnAboveToggled() {
    if (showingInputs_) return;
    SetModified(true);
    if (resultsShown_) CalculateCommand();
}

void Form1::ReportChainError(const ChainError& error) {
    prompts_->Message(this, QMessageBox::Critical, QString::fromStdString(ErrorTitle(error)),
                      QString::fromStdString(ErrorPrompt(error)), QMessageBox::Ok, QMessageBox::Ok);
}

void Form1::ResetSketchLabels() {
    SketchLabels& labels = state_.labels;
    labels.LblBeamWidth = labels.LblColumnWidth = "Fl. Width =";
    labels.Labela = labels.Labelb = labels.Labelc = labels.Labelr = "0.0 in.";
    labels.LabelLength = "0.0 ft.";
    labels.Labelbeam = labels.Labelcolumn1 = labels.Labelcolumn2 = "W";
}

void Form1::ShowResults() {
    for (ResultGridView* grid : {summaryGrid_, checksGrid_, parametersGrid_}) grid->Refresh();
    ShowFlangeWidths();
    sketch_->SetLabels(state_.labels);
    aisc358Page_->Show(aisc358_);
    UpdateStaleMark();
}

// A property of the chosen shape, not a result: it follows the list at once.
void Form1::ShowFlangeWidths() {
    for (const auto& [list, label] :
         {std::pair{beamList_, beamWidthLabel_}, std::pair{columnList_, columnWidthLabel_}}) {
        const std::string name = list->currentText().toStdString();
        label->setText(name.empty()
                           ? QStringLiteral("Fl. Width =")
                           : QString::fromStdString(FlangeWidthLabel(ShapeFromDesignation(name))));
    }
}

void Form1::UpdateStaleMark() {
    bool stale = false;
    if (resultsShown_) {
        DesignInputs now = CurrentInputs();
        now.Description = shownInputs_.Description;
        stale = now != shownInputs_;
    }
    staleLabel_->setVisible(stale);
    summaryGrid_->SetStale(stale, kSummaryValueColumns);
    checksGrid_->SetStale(stale, kChecksValueColumns);
    parametersGrid_->SetStale(stale, kParametersValueColumns);
    aisc358Page_->SetStale(stale);
    sketch_->SetStale(stale);
}

}  // namespace vantrel
