#pragma once
// "Find Designs": every beam/column pair that passes with the window's other
// inputs, lightest frame first. Choosing a row hands its beam and column back.

#include <QDialog>
#include <QString>
#include <optional>
#include <utility>

#include "model/design_inputs.h"
#include "search/search.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vantrel {

class FindDesignsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit FindDesignsDialog(const DesignInputs& inputs, QWidget* parent = nullptr);

    // Runs the search with the current options and fills the table.
    void Search();

    // The beam and column of the chosen row, once the dialog was accepted.
    std::optional<std::pair<QString, QString>> Chosen() const { return chosen_; }

    QTableWidget* Table() const { return table_; }
    QLabel* Summary() const { return summary_; }
    QCheckBox* NoDoublers() const { return noDoublers_; }
    QCheckBox* NoContinuity() const { return noContinuity_; }
    // The code a pair must meet: entries FEMA 350, AISC 358-16, both.
    QComboBox* Code() const { return code_; }
    // Shown while FEMA 350 alone is chosen.
    QLabel* Caveat() const { return caveat_; }
    QPushButton* UseButton() const { return useButton_; }

  private:
    void ShowResult(const SearchResult& result);
    void UseSelectedRow();

    DesignInputs inputs_;
    SearchResult result_;
    std::optional<std::pair<QString, QString>> chosen_;
    QLabel* summary_ = nullptr;
    QLabel* caveat_ = nullptr;
    QCheckBox* noDoublers_ = nullptr;
    QCheckBox* noContinuity_ = nullptr;
    QComboBox* code_ = nullptr;
    QTableWidget* table_ = nullptr;
    QPushButton* useButton_ = nullptr;
};

}  // namespace vantrel
