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
// cell (row 0); the view keeps that width.

#include <QAbstractTableModel>
#include <QTableView>
#include <vector>

#include "present/result_grids.h"

namespace vantrel {

// How a view shows its grid: the column widths in twips (0: the view's
// default width) and the scroll limit N. Every view is 9600 twips wide and
// 4000 high, about sixteen rows.
struct GridViewLayout {
    std::vector<int> columnTwips;
    int scrollLimit;
};
inline const GridViewLayout kSummaryView{{500, 1250, 1250, 4000, 2400}, 3};
inline const GridViewLayout kChecksView{{1400, 1200, 1200, 3900, 1700, 0}, 20};
inline const GridViewLayout kParametersView{{4400, 1500, 3500}, 1};
inline constexpr int kGridWidthTwips = 9600;
inline constexpr int kGridHeightTwips = 4000;

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
    ResultGridView(ResultGrid& grid, const GridViewLayout& layout, QWidget* parent = nullptr);

    int ScrollLimit() const { return scrollLimit_; }
    // Shows the grid's current rows and cells.
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
    void ApplyColumnWidths(const std::vector<int>& twips);
    // The column whose heading's right edge is under the point, or -1.
    int HeadingEdgeAt(QPoint point) const;

    ResultGridModel model_;
    int scrollLimit_;
    bool appending_ = false;
    int resizing_ = -1;  // the column being dragged
    int dragStartX_ = 0;
    int dragStartWidth_ = 0;
};

}  // namespace vantrel
