#pragma once
// "Gravity Loads at Beam": the distributed and point loads with their dead
// and live parts and the point-load locations, kLoadCount of each. The field
// texts are the loads' working copy while the dialog exists: it is filled
// with the window's load texts when created, and after OK the window takes
// the fields' texts, checked and formatted, back. The owner discards the
// dialog after OK or Cancel.

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "model/design_inputs.h"

class QLineEdit;

namespace vantrel {

class FocusGuard;
class Prompts;

class GravityLoadsDialog final : public QDialog {
    Q_OBJECT
  public:
    // The fields show the load texts of loads; lengthText gives the main
    // window's current length text, the limit of the point-load locations.
    GravityLoadsDialog(const DesignInputs& loads, Prompts& prompts,
                       std::function<QString()> lengthText, QWidget* parent = nullptr);

    // The field texts as the loads of the inputs, and back.
    void CopyTo(DesignInputs& inputs) const;
    void CopyFrom(const DesignInputs& inputs);

    void accept() override;

  signals:
    // A field's text changed.
    void Edited();

  private:
    using Fields = std::array<QLineEdit*, kLoadCount>;
    // One kind of load: its fields and its texts in the inputs.
    struct Kind {
        Fields GravityLoadsDialog::*fields;
        LoadTexts DesignInputs::*texts;
        bool location;
    };
    static const std::array<Kind, 5> kKinds;

    void BuildFields();
    void BuildLayout();
    void GuardFields();
    void ShowRefusal(const QString& message);
    // The check of a field's text, which it may tidy; a refusal's message.
    std::optional<QString> Check(bool location, QLineEdit& field) const;

    Prompts& prompts_;
    std::function<QString()> lengthText_;
    FocusGuard* guard_;
    Fields distributedDeadFields_{};
    Fields distributedLiveFields_{};
    Fields pointDeadFields_{};
    Fields pointLiveFields_{};
    Fields pointLocationFields_{};
};

}  // namespace vantrel
