// The loads dialog's life: it exists from its first use until OK or Cancel.
#include <QLineEdit>

#include "calculator_window.h"
#include "gravity_loads_dialog.h"
#include "prompts.h"

namespace vantrel {

GravityLoadsDialog& CalculatorWindow::EnsureLoads() {
    if (!loads_) {
        loads_ = new GravityLoadsDialog(
            loadTexts_, *prompts_, [this] { return lengthField_->text(); }, this);
        connect(loads_, &QDialog::finished, this, [this](int result) {
            if (result == QDialog::Accepted) {
                loads_->CopyTo(loadTexts_);
                SetModified(true);
            }
            DiscardLoads();
            UpdateStaleMark();  // the window's load texts now
        });
        connect(loads_, &GravityLoadsDialog::Edited, this, [this] { UpdateStaleMark(); });
    }
    return *loads_;
}

void CalculatorWindow::DiscardLoads() {
    if (!loads_) return;
    GravityLoadsDialog* dialog = loads_;
    loads_ = nullptr;
    dialog->disconnect(this);
    dialog->hide();
    dialog->deleteLater();
}

void CalculatorWindow::GravityLoadsCommand() {
    prompts_->ShowDialog(EnsureLoads());
}

}  // namespace vantrel
