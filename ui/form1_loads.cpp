// The loads dialog's life: it exists from its first use until OK or Cancel.
#include <QLineEdit>

#include "form1.h"
#include "form_loads.h"
#include "prompts.h"

namespace vantrel {

FormLoads& Form1::EnsureLoads() {
    if (!loads_) {
        loads_ = new FormLoads(
            state_.record, *prompts_, [this] { return lengthField_->text(); }, this);
        connect(loads_, &QDialog::finished, this, [this](int result) {
            if (result == QDialog::Accepted) SetModified(true);
            DiscardLoads();
            UpdateStaleMark();  // the record's loads now
        });
        connect(loads_, &FormLoads::Edited, this, [this] { UpdateStaleMark(); });
    }
    return *loads_;
}

void Form1::DiscardLoads() {
    if (!loads_) return;
    FormLoads* dialog = loads_;
    loads_ = nullptr;
    dialog->disconnect(this);
    dialog->hide();
    dialog->deleteLater();
}

void Form1::GravityLoadsCommand() {
    prompts_->ShowDialog(EnsureLoads());
}

}  // namespace vantrel
