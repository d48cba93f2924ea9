#include "grid_view.h"
#include "stale_colour.h"

#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <cstdlib>

namespace vantrel {
namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kRowHeightTwips = 240;
constexpr int kDefaultColumnTwips = 960;
constexpr int kWheelNotch = 120;

Qt::Alignment AlignmentOf(CellAlign align) {
    switch (align) {
        case CellAlign::LeftTop:
            return Qt::AlignLeft | Qt::AlignTop;
        case CellAlign::LeftCenter:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case CellAlign::CenterCenter:
            return Qt::AlignCenter;
        case CellAlign::RightCenter:
            return Qt::AlignRight | Qt::AlignVCenter;
        case CellAlign::General:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

ResultGridModel::ResultGridModel(ResultGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), rows_(grid.RowCount()) {}

int ResultGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int ResultGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : grid_.ColumnCount();
}

QVariant ResultGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= grid_.RowCount()) return {};
    const GridCell& cell = grid_.Cell(index.row(), index.column());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:  // the whole text of a cell too narrow for it
            return QString::fromStdString(cell.text);
        case Qt::BackgroundRole:
            if (stale_ && index.row() > 0 && index.column() >= staleColumns_.first &&
                index.column() <= staleColumns_.last)
                return QColor::fromRgb(kStaleGrey);
            return QColor::fromRgb(static_cast<QRgb>(cell.color));
        case Qt::ForegroundRole:
            return QColor(Qt::black);
        case Qt::TextAlignmentRole:
            return static_cast<int>(AlignmentOf(cell.align));
        case Qt::FontRole:
            if (cell.bold) {
                QFont font;
                font.setBold(true);
                return font;
            }
            return {};
        default:
            return {};
    }
}

void ResultGridModel::Refresh() {
    const int rows = grid_.RowCount();
    if (rows > rows_) {
        beginInsertRows(QModelIndex(), rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    } else if (rows < rows_) {
        beginRemoveRows(QModelIndex(), rows, rows_ - 1);
        rows_ = rows;
        endRemoveRows();
    }
    if (rows_ > 0 && grid_.ColumnCount() > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, grid_.ColumnCount() - 1));
}

void ResultGridModel::SetStale(bool stale, ValueColumns columns) {
    if (stale == stale_) return;
    stale_ = stale;
    staleColumns_ = columns;
    if (rows_ > 1)
        emit dataChanged(index(1, columns.first), index(rows_ - 1, columns.last),
                         {Qt::BackgroundRole});
}

ResultGridView::ResultGridView(ResultGrid& grid, const GridViewLayout& layout, QWidget* parent)
    : QTableView(parent), model_(grid), scrollLimit_(layout.scrollLimit) {
    setModel(&model_);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab and Shift+Tab leave the grid; the arrow keys move within it.
    setTabKeyNavigation(false);
    setWordWrap(false);
    viewport()->setMouseTracking(true);  // the resize cursor over a heading's edge
    // The widths in twips were chosen for a small sans-serif face.
    QFont gridFont = font();
    gridFont.setFamilies(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica")});
    gridFont.setPointSize(8);
    setFont(gridFont);
    setGridStyle(Qt::SolidLine);
    const int rowHeight =
        std::max(TwipsToPixels(kRowHeightTwips, *this), fontMetrics().height() + 4);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setMinimumSectionSize(rowHeight);
    horizontalHeader()->setDefaultSectionSize(TwipsToPixels(kDefaultColumnTwips, *this));
    setMinimumSize(TwipsToPixels(kGridWidthTwips, *this), TwipsToPixels(kGridHeightTwips, *this));
    ApplyColumnWidths(layout.columnTwips);

    // Wheel input over the scroll bars follows the same rule as over the cells.
    verticalScrollBar()->installEventFilter(this);
    horizontalScrollBar()->installEventFilter(this);
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] { HoldScrollRange(); });
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] {
        // A step at the end of the range changes no value, yet it is a scroll.
        if (verticalScrollBar()->sliderPosition() == verticalScrollBar()->value())
            KeepScrollRange();
    });
    HoldScrollRange();
}

int ResultGridView::TwipsToPixels(int twips, const QWidget& widget) {
    return (twips * widget.logicalDpiX() + kTwipsPerInch / 2) / kTwipsPerInch;
}

void ResultGridView::ApplyColumnWidths(const std::vector<int>& twips) {
    const int columns = std::min(model_.Grid().ColumnCount(), static_cast<int>(twips.size()));
    for (int column = 0; column < columns; ++column) {
        const int width = twips[static_cast<size_t>(column)];
        setColumnWidth(column, TwipsToPixels(width > 0 ? width : kDefaultColumnTwips, *this));
    }
}

int ResultGridView::HeadingEdgeAt(QPoint point) const {
    constexpr int kGrip = 3;
    const int top = rowViewportPosition(0);
    if (model_.rowCount() == 0 || point.y() < top || point.y() >= top + rowHeight(0)) return -1;
    for (int column = 0; column < model_.columnCount(); ++column) {
        const int edge = columnViewportPosition(column) + columnWidth(column);
        if (std::abs(point.x() - edge) <= kGrip) return column;
    }
    return -1;
}

void ResultGridView::mousePressEvent(QMouseEvent* event) {
    const int column = HeadingEdgeAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || column < 0) {
        QTableView::mousePressEvent(event);
        return;
    }
    resizing_ = column;
    dragStartX_ = event->position().toPoint().x();
    dragStartWidth_ = columnWidth(column);
    event->accept();
}

void ResultGridView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (resizing_ >= 0) {
        constexpr int kNarrowest = 8;
        setColumnWidth(resizing_, std::max(kNarrowest, dragStartWidth_ + point.x() - dragStartX_));
        event->accept();
        return;
    }
    if (HeadingEdgeAt(point) >= 0) {
        viewport()->setCursor(Qt::SplitHCursor);
    } else {
        viewport()->unsetCursor();
    }
    QTableView::mouseMoveEvent(event);
}

void ResultGridView::mouseReleaseEvent(QMouseEvent* event) {
    if (resizing_ < 0) {
        QTableView::mouseReleaseEvent(event);
        return;
    }
    resizing_ = -1;
    event->accept();
}

void ResultGridView::Refresh() {
    model_.Refresh();
    HoldScrollRange();
}

void ResultGridView::wheelEvent(QWheelEvent* event) {
    HandleWheel(event);
}

bool ResultGridView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel &&
        (watched == verticalScrollBar() || watched == horizontalScrollBar())) {
        HandleWheel(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

void ResultGridView::HandleWheel(QWheelEvent* event) {
    event->accept();  // never passed on to the page or the window
    if (event->modifiers() != Qt::NoModifier || event->buttons() != Qt::NoButton) return;
    const QPoint delta = event->angleDelta();
    if (delta.x() != 0) return;
    if (delta.y() == -kWheelNotch) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    } else if (delta.y() == kWheelNotch) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
}

void ResultGridView::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    KeepTopRow();
    if (dy != 0) KeepScrollRange();
}

void ResultGridView::updateGeometries() {
    QTableView::updateGeometries();
    HoldScrollRange();
    KeepTopRow();
}

void ResultGridView::KeepTopRow() {
    // Qt shows the last rows when the bar stands at its maximum; here the
    // scroll position is always the top row, also at the limit.
    const int row = std::min(verticalScrollBar()->value(), model_.rowCount() - 1);
    const int offset = row > 0 ? verticalHeader()->sectionPosition(row) : 0;
    if (verticalHeader()->offset() != offset) {
        verticalHeader()->setOffset(offset);
        viewport()->update();
    }
}

bool ResultGridView::LastRowVisible() const {
    const int last = model_.rowCount() - 1;
    if (last < 0) return false;
    const int bottom = rowViewportPosition(last) + rowHeight(last);
    const int top = rowViewportPosition(last);
    return !isRowHidden(last) && top < viewport()->height() && bottom > 0;
}

void ResultGridView::KeepScrollRange() {
    if (appending_) return;
    if (LastRowVisible()) {
        appending_ = true;
        model_.Grid().AppendRow();
        model_.Refresh();
        appending_ = false;
    }
    HoldScrollRange();
}

void ResultGridView::HoldScrollRange() {
    QScrollBar* bar = verticalScrollBar();
    if (bar->maximum() != scrollLimit_) bar->setRange(bar->minimum(), scrollLimit_);
}

}  // namespace vantrel
