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

#include "current/aisc358.h"
#include "model/shape_table.h"
#include "present/search_rows.h"

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

constexpr DesignCode kCodes[] = {DesignCode::Fema350, DesignCode::Aisc358, DesignCode::Both};

}  // namespace

FindDesignsDialog::FindDesignsDialog(const DesignInputs& inputs, QWidget* parent)
    : QDialog(parent), inputs_(inputs) {
    setObjectName("findDesignsDialog");
    setWindowTitle("Find Designs");
    setModal(true);

    auto* intro = new QLabel(
        "Every beam on every column, with this design's grade, coefficients or overrides, "
        "length, height, frame type, loads and column axial load. Listed are the pairs that "
        "meet the chosen code, lightest frame first (beam weight x length + 2 x column weight "
        "x height). FEMA 350: the beam and column parameter checks, the Mf ratio, flange and "
        "web slenderness and shear pass. AISC 358-16: no current-code item fails.",
        this);
    intro->setWordWrap(true);
    caveat_ = new QLabel(
        "A listed pair has passed these checks only: under FEMA 350 the beam's moment capacity "
        "under the gravity loads alone and strong-column/weak-beam proportions are not checked; "
        "confirm them with your frame analysis.",
        this);
    caveat_->setObjectName("caveatLabel");
    caveat_->setWordWrap(true);

    noDoublers_ = new QCheckBox("Without &doubler plates", this);
    noDoublers_->setObjectName("noDoublersBox");
    noContinuity_ = new QCheckBox("Without co&ntinuity plates", this);
    noContinuity_->setObjectName("noContinuityBox");
    connect(noDoublers_, &QCheckBox::toggled, this, &FindDesignsDialog::Search);
    connect(noContinuity_, &QCheckBox::toggled, this, &FindDesignsDialog::Search);
    code_ = new QComboBox(this);
    code_->setObjectName("codeList");
    code_->addItems({"FEMA 350", "AISC 358-16", "FEMA 350 and AISC 358-16"});
    // FEMA 350 alone does not check the beam under gravity load.
    code_->setCurrentIndex(2);
    caveat_->setVisible(false);
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
    table_->setHorizontalHeaderLabels({"Beam", "Column", "Mf ratio", "Shear", "Flange", "Web",
                                       "Doublers", "Continuity", "AISC 358", "SC/WB ratio",
                                       "PZ ratio", "Hinge ratio", "Axial ratio", "Weight (lb)"});
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
    if (result.cancelled) {
        summary_->setText("The search was cancelled.");
    } else if (result.inputError) {
        summary_->setText("No pair can pass: the length, height or a load is not a usable number.");
    } else if (result.axialLoadError && code_->currentIndex() != 0) {
        summary_->setText(
            current::ReadAxialLoad(inputs_.ColumnAxialLoad).negative
                ? QString("No pair can pass. ") + current::kNegativeAxialLoadReason.data()
                : QString("No pair can pass: the column axial load is not a number."));
    } else {
        summary_->setText(QString("Searched %1 beam/column pairs: %2 designs pass.")
                              .arg(result.searched)
                              .arg(result.designs.size()));
    }
    table_->setRowCount(static_cast<int>(result.designs.size()));
    int row = 0;
    for (const DesignMatch& match : result.designs) {
        const SearchRow texts = PresentSearchRow(match);
        int column = 0;
        for (const std::string& text : {texts.beam, texts.column})
            table_->setItem(row, column++, Cell(Text(text)));
        for (const std::string& number : {texts.mfRatio, texts.shear, texts.flange, texts.web})
            table_->setItem(row, column++, Cell(Text(number), Qt::AlignRight));
        for (const bool plates : {texts.doublers, texts.continuity})
            table_->setItem(row, column++, Cell(plates ? "required" : "no"));
        table_->setItem(row, column++, Cell(Text(texts.aisc358)));
        for (const std::string& ratio :
             {texts.strongColumn, texts.panelZone, texts.hinge, texts.axial, texts.weight})
            table_->setItem(row, column++, Cell(Text(ratio), Qt::AlignRight));
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
