#include "find_designs_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>
#include <optional>

#include "model/shape_table.h"
#include "present/search_rows.h"
#include "window_settings.h"

namespace vantrel {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// The numbers line up on the right; names and words on the left.
constexpr bool kRightAligned[kSearchRowHeadings.size()] = {
    false, false, true, true, true, true, false, false, false, true, true, true, true, true};

constexpr DesignCode kCodes[] = {DesignCode::Fema350, DesignCode::Aisc358, DesignCode::Both};

}  // namespace

FindDesignsDialog::FindDesignsDialog(const DesignInputs& inputs, QWidget* parent)
    : QDialog(parent), inputs_(inputs) {
    setObjectName("findDesignsDialog");
    setWindowTitle("Find Designs");
    setModal(true);

    auto* intro = new QLabel(Text(std::string(kFindDesignsIntro)), this);
    intro->setWordWrap(true);
    caveat_ = new QLabel(Text(std::string(kFemaSearchCaveat)), this);
    caveat_->setObjectName("caveatLabel");
    caveat_->setWordWrap(true);

    noDoublers_ = new QCheckBox("Without &doubler plates", this);
    noDoublers_->setObjectName("noDoublersBox");
    noContinuity_ = new QCheckBox("Without co&ntinuity plates", this);
    noContinuity_->setObjectName("noContinuityBox");
    code_ = new QComboBox(this);
    code_->setObjectName("codeList");
    code_->addItems({"FEMA 350", "AISC 358-16", "FEMA 350 and AISC 358-16"});
    // The options as the user last left them; FEMA 350 alone, which does not
    // check the beam under gravity load, only when the user chose it.
    const settings::SearchOptions remembered = settings::FindDesignsOptions();
    const int code = remembered.code.value_or(2);
    code_->setCurrentIndex(code >= 0 && code < code_->count() ? code : 2);
    noDoublers_->setChecked(remembered.noDoublers);
    noContinuity_->setChecked(remembered.noContinuity);
    caveat_->setVisible(false);
    const auto remember = [this](bool codeChosen) {
        settings::SearchOptions options = settings::FindDesignsOptions();
        if (codeChosen) options.code = code_->currentIndex();
        options.noDoublers = noDoublers_->isChecked();
        options.noContinuity = noContinuity_->isChecked();
        settings::SetFindDesignsOptions(options);
    };
    for (QCheckBox* box : {noDoublers_, noContinuity_}) {
        connect(box, &QCheckBox::toggled, this, [remember] { remember(false); });
        connect(box, &QCheckBox::toggled, this, &FindDesignsDialog::Search);
    }
    connect(code_, &QComboBox::currentIndexChanged, this, [remember] { remember(true); });
    auto* codeLabel = new QLabel("C&ode:", this);
    codeLabel->setBuddy(code_);
    connect(code_, &QComboBox::currentIndexChanged, this, &FindDesignsDialog::Search);
    auto* options = new QHBoxLayout;
    options->addWidget(codeLabel);
    options->addWidget(code_);
    options->addSpacing(12);
    options->addWidget(noDoublers_);
    options->addWidget(noContinuity_);
    options->addStretch();

    summary_ = new QLabel(this);
    summary_->setObjectName("summaryLabel");

    table_ = new QTableWidget(0, 14, this);
    table_->setObjectName("designTable");
    QStringList headings;
    for (const std::string_view heading : kSearchRowHeadings)
        headings << Text(std::string(heading));
    table_->setHorizontalHeaderLabels(headings);
    table_->verticalHeader()->setVisible(false);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { UseSelectedRow(); });

    auto* buttons = new QDialogButtonBox(this);
    useButton_ = buttons->addButton("&Use Selected Pair", QDialogButtonBox::AcceptRole);
    useButton_->setObjectName("useButton");
    useButton_->setDefault(true);
    auto* close = buttons->addButton(QDialogButtonBox::Close);
    connect(useButton_, &QPushButton::clicked, this, &FindDesignsDialog::UseSelectedRow);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { useButton_->setEnabled(!table_->selectedItems().isEmpty()); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(caveat_);
    layout->addLayout(options);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    resize(760, 520);
}

void FindDesignsDialog::Search() {
    std::atomic<bool> cancel{false};
    // The search takes milliseconds; the progress dialog only appears should
    // it ever take longer than a moment.
    QProgressDialog progress("Searching beam and column pairs...", "Cancel", 0, kShapeCount, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    SearchControl control;
    control.cancel = &cancel;
    control.progress = [&](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        QCoreApplication::processEvents();
        if (progress.wasCanceled()) cancel = true;
    };
    SearchOptions options;
    options.excludeDoublerPlates = noDoublers_->isChecked();
    options.excludeContinuityPlates = noContinuity_->isChecked();
    options.code = kCodes[std::clamp(code_->currentIndex(), 0, 2)];
    caveat_->setVisible(options.code == DesignCode::Fema350);
    result_ = SearchDesigns(inputs_, options, control);
    progress.reset();
    ShowResult(result_);
}

void FindDesignsDialog::ShowResult(const SearchResult& result) {
    table_->setRowCount(0);
    summary_->setText(Text(SearchSummary(result, kCodes[std::clamp(code_->currentIndex(), 0, 2)],
                                         inputs_.ColumnAxialLoad)));
    table_->setRowCount(static_cast<int>(result.designs.size()));
    int row = 0;
    for (const DesignMatch& match : result.designs) {
        size_t column = 0;
        for (const std::string& text : SearchRowTexts(PresentSearchRow(match))) {
            table_->setItem(
                row, static_cast<int>(column),
                Cell(Text(text), kRightAligned[column] ? Qt::AlignRight : Qt::AlignLeft));
            ++column;
        }
        ++row;
    }
    if (row > 0) table_->selectRow(0);
    useButton_->setEnabled(row > 0);
}

void FindDesignsDialog::UseSelectedRow() {
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(result_.designs.size())) return;
    const DesignMatch& match = result_.designs[static_cast<size_t>(row)];
    chosen_ = std::make_pair(Text(std::string(ShapeName(match.beam))),
                             Text(std::string(ShapeName(match.column))));
    accept();
}

}  // namespace vantrel
