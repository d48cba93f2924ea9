// The main window's inputs: the lists, the numeric fields and their checks,
// and putting a design's input texts into the controls.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "calculator_window.h"
#include "focus_guard.h"
#include "gravity_loads_dialog.h"
#include "grid_view.h"
#include "model/field_rules.h"
#include "model/input_lists.h"
#include "model/shape_table.h"
#include "prompts.h"
#include "window_texts.h"

namespace vantrel {
namespace {

void Fill(QComboBox* list, const std::vector<std::string>& entries) {
    for (const std::string& entry : entries) list->addItem(QString::fromStdString(entry));
}

// The index of the entry that carries the text exactly, -1 for the empty
// text, or nullopt when the list has no such entry.
std::optional<int> EntryIndex(const QComboBox* list, const std::string& text) {
    if (text.empty()) return -1;
    const int index =
        list->findText(QString::fromStdString(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) return std::nullopt;
    return index;
}

using RuleOfText = std::function<Refusal(std::string&)>;

}  // namespace

void CalculatorWindow::FillShapeLists() {
    for (int i = 0; i < kShapeCount; ++i) {
        const QString name =
            QString::fromUtf8(ShapeName(i).data(), static_cast<qsizetype>(ShapeName(i).size()));
        beamList_->addItem(name);
        columnList_->addItem(name);
    }
    for (const GradeEntry& grade : kGradeEntries)
        gradeList_->addItem(
            QString::fromUtf8(grade.text.data(), static_cast<qsizetype>(grade.text.size())));
    Fill(aCoefficientList_, CoefficientEntriesA());
    Fill(bCoefficientList_, CoefficientEntriesB());
    Fill(cCoefficientList_, CoefficientEntriesC());
}

void CalculatorWindow::SetDefaultSelections() {
    showingInputs_ = true;
    gradeList_->setCurrentIndex(0);
    aCoefficientList_->setCurrentIndex(10);
    bCoefficientList_->setCurrentIndex(10);
    cCoefficientList_->setCurrentIndex(5);
    beamList_->setCurrentIndex(0);
    columnList_->setCurrentIndex(0);
    showingInputs_ = false;
}

void CalculatorWindow::InitializeView() {
    SetDefaultSelections();
    // As at start-up: also no green or red left on emptied cells.
    ResetGrids(state_.grids);
    for (ResultGridView* grid : {summaryGrid_, checksGrid_, parametersGrid_}) grid->Refresh();
}

void CalculatorWindow::ShowRefusal(const QString& message) {
    prompts_->Message(this, QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok,
                      QMessageBox::Ok);
}

void CalculatorWindow::GuardNumericFields() {
    guard_ = new FocusGuard([this](const QString& message) { ShowRefusal(message); }, this);
    const auto guard = [this](QLineEdit* field, RuleOfText rule, std::string_view name) {
        const std::string_view pattern = FieldPattern(name);
        guard_->Guard(
            field,
            [rule = std::move(rule)](QLineEdit& edit) -> std::optional<QString> {
                std::string text = edit.text().toStdString();
                const Refusal refusal = rule(text);
                if (QString::fromStdString(text) != edit.text())
                    edit.setText(QString::fromStdString(text));
                if (refusal) return QString::fromStdString(*refusal);
                return std::nullopt;
            },
            [pattern](QLineEdit& edit) {
                edit.setText(
                    QString::fromStdString(FormatFieldText(edit.text().toStdString(), pattern)));
            });
    };
    const auto length = [this] { return lengthField_->text().toStdString(); };
    guard(
        lengthField_, [](std::string& text) { return CheckLengthText(text); }, "Length");
    guard(
        heightField_, [](std::string& text) { return CheckHeightText(text); }, "Height");
    guard(
        aOverrideField_, [length](std::string& text) { return CheckOverrideAText(text, length()); },
        "ORA");
    guard(
        bOverrideField_, [length](std::string& text) { return CheckOverrideBText(text, length()); },
        "ORB");
    guard(
        cOverrideField_,
        [this](std::string& text) {
            return CheckOverrideCText(text, beamList_->currentText().toStdString());
        },
        "ORC");
    guard(
        axialLoadField_, [](std::string& text) { return CheckAxialLoadText(text); },
        "ColumnAxialLoad");
    guard_->SelectOnEntry(descriptionField_);  // checks nothing
}

void CalculatorWindow::ConnectEditsToModified() {
    // Any change the user makes to an input is unsaved work.
    for (QLineEdit* field : {lengthField_, heightField_, aOverrideField_, bOverrideField_,
                             cOverrideField_, descriptionField_, axialLoadField_})
        connect(field, &QLineEdit::textEdited, this, [this] { SetModified(true); });
    for (QComboBox* list : {beamList_, columnList_, gradeList_, aCoefficientList_,
                            bCoefficientList_, cCoefficientList_}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (!showingInputs_) SetModified(true);
        });
    }
    // Choosing another coefficient gives that dimension back to the list;
    // merely passing through the list keeps the override. Opening a file
    // and New set the lists without discarding anything.
    const std::pair<QComboBox*, QLineEdit*> coefficients[] = {{aCoefficientList_, aOverrideField_},
                                                              {bCoefficientList_, bOverrideField_},
                                                              {cCoefficientList_, cOverrideField_}};
    for (const auto& [list, override] : coefficients) {
        connect(list, &QComboBox::currentIndexChanged, this, [this, override] {
            if (!showingInputs_) override->setText(QString::fromLatin1(kZeroOverride));
        });
    }
    connect(smrfOption_, &QRadioButton::toggled, this, [this] {
        if (!showingInputs_) SetModified(true);
    });

    // Whatever changes an input's text, the shown results are checked
    // against it at once.
    for (QLineEdit* field : {lengthField_, heightField_, aOverrideField_, bOverrideField_,
                             cOverrideField_, axialLoadField_})
        connect(field, &QLineEdit::textChanged, this, [this] { UpdateStaleMark(); });
    for (QComboBox* list : {beamList_, columnList_, gradeList_, aCoefficientList_,
                            bCoefficientList_, cCoefficientList_})
        connect(list, &QComboBox::currentIndexChanged, this, [this] { UpdateStaleMark(); });
    for (QComboBox* shapes : {beamList_, columnList_})
        connect(shapes, &QComboBox::currentIndexChanged, this, [this] { ShowFlangeWidths(); });
    for (QAbstractButton* choice : {static_cast<QAbstractButton*>(smrfOption_),
                                    static_cast<QAbstractButton*>(columnAboveBox_)})
        connect(choice, &QAbstractButton::toggled, this, [this] { UpdateStaleMark(); });
}

bool CalculatorWindow::RequiredInputsPresent() {
    bool present = true;
    const auto missing = [this](const char* message) {
        prompts_->Message(this, QMessageBox::Warning, QString::fromLatin1(kAppTitle),
                          QString::fromLatin1(message), QMessageBox::Ok, QMessageBox::Ok);
    };
    if (lengthField_->text().isEmpty()) {
        missing("Beam length is missing.");
        present = false;
    }
    if (heightField_->text().isEmpty()) {
        missing("\"H\" height is missing.");
        present = false;
    }
    return present;
}

int CalculatorWindow::CheckListTexts(const DesignInputs& inputs) const {
    const std::pair<const QComboBox*, const std::string*> lists[] = {
        {columnList_, &inputs.Column},  {gradeList_, &inputs.Grade},
        {beamList_, &inputs.Beam},      {aCoefficientList_, &inputs.A},
        {bCoefficientList_, &inputs.B}, {cCoefficientList_, &inputs.C}};
    for (const auto& [list, text] : lists)
        if (!EntryIndex(list, *text)) return kOpenListRefused;
    return 0;
}

void CalculatorWindow::ShowInputs(const DesignInputs& inputs) {
    showingInputs_ = true;
    const std::pair<QComboBox*, const std::string*> lists[] = {
        {columnList_, &inputs.Column},  {gradeList_, &inputs.Grade},
        {beamList_, &inputs.Beam},      {aCoefficientList_, &inputs.A},
        {bCoefficientList_, &inputs.B}, {cCoefficientList_, &inputs.C}};
    for (const auto& [list, text] : lists)
        list->setCurrentIndex(EntryIndex(list, *text).value_or(-1));
    const std::pair<QLineEdit*, const std::string*> fields[] = {
        {aOverrideField_, &inputs.ORA},
        {bOverrideField_, &inputs.ORB},
        {cOverrideField_, &inputs.ORC},
        {lengthField_, &inputs.Length},
        {heightField_, &inputs.Height},
        {descriptionField_, &inputs.Description},
        {axialLoadField_, &inputs.ColumnAxialLoad}};
    for (const auto& [field, text] : fields) field->setText(QString::fromStdString(*text));
    if (inputs.IsSMRF()) {
        smrfOption_->setChecked(true);
    } else {
        omrfOption_->setChecked(true);
    }
    columnAboveBox_->setChecked(inputs.ColumnAbove == "Yes");
    for (LoadTexts DesignInputs::*kind : kLoadKinds) loadTexts_.*kind = inputs.*kind;
    if (loads_) loads_->CopyFrom(inputs);
    showingInputs_ = false;
}

}  // namespace vantrel
