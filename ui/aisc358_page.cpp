#include "aisc358_page.h"
#include "stale_colour.h"

#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vantrel {
namespace {

constexpr int kIdRole = Qt::UserRole;
constexpr int kColourRole = Qt::UserRole + 1;  // the background when not stale

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor Colour(Rgb rgb) {
    return QColor(static_cast<int>(rgb >> 16 & 0xFF), static_cast<int>(rgb >> 8 & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

QTableWidgetItem* Cell(const std::string& text, Rgb background = kWhite,
                       Qt::Alignment align = Qt::AlignLeft) {
    auto* cell = new QTableWidgetItem(Text(text));
    cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    cell->setTextAlignment(align | Qt::AlignVCenter);
    cell->setBackground(Colour(background));
    cell->setData(kColourRole, Colour(background));
    cell->setForeground(Qt::black);
    return cell;
}

QString AssumptionsText() {
    QString text = QStringLiteral("Assumptions:");
    int number = 0;
    for (std::string_view line : current::Assumptions())
        text += QStringLiteral("\n%1- ").arg(++number) + Text(line);
    return text;
}

}  // namespace

Aisc358Page::Aisc358Page(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("aisc358Page"));
    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("verdictLabel"));
    verdict_->setWordWrap(true);
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    sums_ = new QLabel(this);
    sums_->setObjectName(QStringLiteral("sumsLabel"));

    table_ = new QTableWidget(0, kColumnCount, this);
    table_->setObjectName(QStringLiteral("itemTable"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Item"), QStringLiteral("Value"),
                                       QStringLiteral("Limit"), QStringLiteral("Ratio"),
                                       QStringLiteral("Status"), QStringLiteral("Reference")});
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);

    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);

    // Below the table, a few lines high: the table keeps the room.
    auto* assumptions = new QPlainTextEdit(AssumptionsText(), this);
    assumptions->setObjectName(QStringLiteral("assumptionsText"));
    assumptions->setReadOnly(true);
    assumptions->setMaximumHeight(assumptions->fontMetrics().height() * 5);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(verdict_);
    layout->addWidget(sums_);
    layout->addWidget(table_, 1);
    layout->addWidget(assumptions);
}

void Aisc358Page::Clear() {
    verdict_->clear();
    sums_->clear();
    table_->clearSpans();
    table_->setRowCount(0);
}

void Aisc358Page::Show(const Aisc358Section& section) {
    Clear();
    if (!section.result && section.absence.empty()) return;  // never calculated
    verdict_->setText(Text(Aisc358VerdictText(section)));
    if (!section.result) return;
    sums_->setText(Text(Aisc358MomentSumsText(section)));
    const std::vector<Aisc358Row> rows = Aisc358Rows(*section.result);
    table_->setRowCount(static_cast<int>(rows.size()));
    int r = 0;
    for (const Aisc358Row& row : rows) {
        if (row.groupTitle) {
            QTableWidgetItem* title = Cell(row.label, kHeadingGreen);
            QFont font = title->font();
            font.setBold(true);
            title->setFont(font);
            table_->setItem(r, kItem, title);
            table_->setSpan(r, kItem, 1, kColumnCount);
        } else {
            QTableWidgetItem* label = Cell(row.label);
            label->setData(kIdRole, Text(row.id));
            table_->setItem(r, kItem, label);
            table_->setItem(r, kValue, Cell(row.value, kWhite, Qt::AlignRight));
            table_->setItem(r, kLimit, Cell(row.limit, kWhite, Qt::AlignRight));
            table_->setItem(r, kRatio, Cell(row.ratio, kWhite, Qt::AlignRight));
            table_->setItem(r, kStatus, Cell(row.status, row.colour, Qt::AlignHCenter));
            table_->setItem(r, kReference, Cell(row.reference));
        }
        ++r;
    }
}

void Aisc358Page::SetStale(bool stale) {
    verdict_->setEnabled(!stale);
    sums_->setEnabled(!stale);
    for (int r = 0; r < table_->rowCount(); ++r) {
        if (table_->columnSpan(r, kItem) > 1) continue;  // a group's title
        for (int c = kValue; c <= kStatus; ++c) {
            if (QTableWidgetItem* cell = table_->item(r, c))
                cell->setBackground(stale ? QColor::fromRgb(kStaleGrey)
                                          : cell->data(kColourRole).value<QColor>());
        }
    }
}

int Aisc358Page::RowOf(const QString& id) const {
    for (int r = 0; r < table_->rowCount(); ++r) {
        const QTableWidgetItem* item = table_->item(r, kItem);
        if (item && item->data(kIdRole).toString() == id) return r;
    }
    return -1;
}

}  // namespace vantrel
