#pragma once
// The "Diagram" page: a plan of the connection drawn to fit the page. Both
// column sections, the beam flange between them with the four circular cuts
// of the reduced sections, and the dimensions a, b, c, R and L. The value
// texts are labels named as the calculation names them, placed on the
// drawing.

#include <QColor>
#include <QPointF>
#include <QWidget>

#include "present/sketch_labels.h"

class QLabel;

namespace vantrel {

class ConnectionSketch final : public QWidget {
    Q_OBJECT
  public:
    explicit ConnectionSketch(QWidget* parent = nullptr);

    void SetLabels(const SketchLabels& labels);
    // Results of other inputs than those shown: the labels greyed.
    void SetStale(bool stale);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Placed {
        QLabel* label;
        QPointF anchor;  // drawing coordinates of the label's centre
        QColor colour;
    };

    QTransform DrawingToWidget() const;
    void PlaceLabels();
    QLabel* AddLabel(const char* name, const QString& text, QPointF anchor, bool bold = false);

    QLabel* cutStartLabel_;
    QLabel* cutLengthLabel_;
    QLabel* cutDepthLabel_;
    QLabel* cutRadiusLabel_;
    QLabel* spanLabel_;
    QLabel* beamLabel_;
    QLabel* leftColumnLabel_;
    QLabel* rightColumnLabel_;
    std::vector<Placed> placed_;
};

}  // namespace vantrel
