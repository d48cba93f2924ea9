#pragma once
// A view of one result grid of the model: texts, background colours,
// alignment and bold as the grid holds them, column widths converted from
// twips. Row 0 holds the headings and scrolls with the other rows.
//
// Scrolling: one wheel notch without a key or button held scrolls exactly
// one row; any other wheel input does nothing. The vertical scroll range is
// the grid's limit N whatever Qt would make of it, and whenever the grid
// scrolls with its last row in view, one empty row is appended to the model.
//
// A column is widened or narrowed by dragging the right edge of its heading
// cell (row 0); the grid keeps that width while its layout stays the same.

#include <QAbstractTableModel>
#include <QTableView>
#include <vector>

#include "model/result_grids.h"

namespace vantrel {

class ResultGridModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit ResultGridModel(ResultGrid& grid, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    ResultGrid& Grid() { return grid_; }
    // Follows the grid's rows and cells after the grid has changed.
    void Refresh();
    // Shows the value and verdict cells grey (stale) or in their own colours.
    void SetStale(bool stale, ValueColumns columns);

  private:
    ResultGrid& grid_;
    int rows_;
    bool stale_ = false;
    ValueColumns staleColumns_{0, -1};
};

class ResultGridView final : public QTableView {
    Q_OBJECT
  public:
    ResultGridView(ResultGrid& grid, int scrollLimit, QWidget* parent = nullptr);

    int ScrollLimit() const { return scrollLimit_; }
    // Shows the grid's current rows, cells and widths.
    void Refresh();
    // Results of other inputs than those shown: the value and verdict cells
    // (of those columns, from row 1) turn grey, without green or red.
    void SetStale(bool stale, ValueColumns columns) { model_.SetStale(stale, columns); }
    // The scroll handler: appends a row when the last one is in view and
    // sets the vertical range back to 0..N.
    void KeepScrollRange();

    static int TwipsToPixels(int twips, const QWidget& widget);

  protected:
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void updateGeometries() override;

  private:
    void HandleWheel(QWheelEvent* event);
    void HoldScrollRange();
    void KeepTopRow();
    bool LastRowVisible() const;
    void ApplyColumnWidths();
    // The column whose heading's right edge is under the point, or -1.
    int HeadingEdgeAt(QPoint point) const;

    ResultGridModel model_;
    int scrollLimit_;
    bool appending_ = false;
    std::vector<int> appliedWidths_;  // the grid's widths in twips, as last applied
    int resizing_ = -1;               // the column being dragged
    int dragStartX_ = 0;
    int dragStartWidth_ = 0;
};

}  // namespace vantrel
