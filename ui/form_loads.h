#pragma once
// "Gravity Loads at Beam": the three distributed and three point loads with
// their dead and live parts and the point-load locations. The fifteen field
// texts are the loads' working copy while the dialog exists; it is filled
// from the design record when created, and OK stores the formatted values
// back into the record. The owner discards the dialog after OK or Cancel.

#include <QDialog>
#include <array>
#include <functional>

#include "model/design_inputs.h"
#include "model/design_record.h"

class QLineEdit;

namespace vantrel {

class FocusGuard;
class Prompts;

class FormLoads final : public QDialog {
    Q_OBJECT
  public:
    // lengthText gives the main window's current length text, the limit of
    // the point-load locations.
    FormLoads(DesignRecord& record, Prompts& prompts, std::function<QString()> lengthText,
              QWidget* parent = nullptr);

    // The fifteen texts by their project-file names ("DistDL1" ...).
    QString Text(std::string_view inputName) const;
    void SetText(std::string_view inputName, const QString& text);
    void CopyTo(DesignInputs& inputs) const;
    void CopyFrom(const DesignInputs& inputs);

    // The texts the fields get when the dialog is created from the record.
    static void FillFromRecord(const DesignRecord& record, DesignInputs& inputs);

    void accept() override;

  private:
    struct Field {
        const char* objectName = nullptr;
        std::string_view inputName;
        LoadValues DesignRecord::*kind = nullptr;
        int index = 0;
        bool location = false;
        QLineEdit* edit = nullptr;
    };

    void BuildLayout();
    QLineEdit* EditOf(std::string_view inputName) const;
    void ShowRefusal(const QString& message);

    DesignRecord& record_;
    Prompts& prompts_;
    std::function<QString()> lengthText_;
    FocusGuard* guard_;
    std::array<Field, 15> fields_;
};

}  // namespace vantrel
