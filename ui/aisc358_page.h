#pragma once
// The "AISC 358-16" page of the result tabs: the overall verdict on top, the
// current-code items grouped with value, limit, ratio and status (pass green,
// fail red, required amber, the rest white), and the assumptions below.

#include <QWidget>

#include "present/aisc358_section.h"

class QLabel;
class QTableWidget;

namespace vantrel {

class Aisc358Page : public QWidget {
    Q_OBJECT
  public:
    explicit Aisc358Page(QWidget* parent = nullptr);

    // Shows the section of the last run; a section without a result leaves
    // the table empty and says why, unless the design was never calculated.
    void Show(const Aisc358Section& section);
    // Empties the page, as before the first calculation.
    void Clear();
    // Results of other inputs than those shown: the verdict greyed, the
    // value, limit, ratio and status cells grey; false brings their colours back.
    void SetStale(bool stale);

    QLabel* Verdict() const { return verdict_; }
    QTableWidget* Table() const { return table_; }
    // The table row of an item ("cut_a", ...), or -1.
    int RowOf(const QString& id) const;

    enum Column { kItem, kValue, kLimit, kRatio, kStatus, kReference, kColumnCount };

  private:
    QLabel* verdict_ = nullptr;
    QLabel* sums_ = nullptr;
    QTableWidget* table_ = nullptr;
};

}  // namespace vantrel
