#include "connection_sketch.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

#include "present/result_grids.h"
#include "stale_colour.h"

namespace vantrel {
namespace {

// Drawing coordinates; the sketch shows the arrangement, not the scale.
constexpr double kWidth = 1000;
constexpr double kHeight = 450;
constexpr double kBeamLeft = 130, kBeamRight = 870;
constexpr double kBeamTop = 205, kBeamBottom = 295;
constexpr double kCutDepth = 22;    // c
constexpr double kCutLength = 200;  // b
constexpr double kCutStart = 100;   // a
constexpr double kColumnTop = 165, kColumnBottom = 335;
constexpr double kColumnDepth = 70, kFlangeThickness = 10, kWebThickness = 10;
constexpr double kLeftColumnCentre = kBeamLeft - kColumnDepth / 2;
constexpr double kRightColumnCentre = kBeamRight + kColumnDepth / 2;
constexpr double kDimensionAB = 135, kDimensionL = 400;
constexpr double kRadiusShoulder = 40;

const QColor kSteel(196, 208, 222);
const QColor kColumnSteel(150, 166, 186);
const QColor kOutline(40, 52, 70);
const QColor kDimension(28, 84, 160);
const QColor kRemoved(215, 90, 60);

double CutRadius() {
    return (4 * kCutDepth * kCutDepth + kCutLength * kCutLength) / (8 * kCutDepth);
}

// The edge of the flange from x0 to x1 at edgeY, with a circular cut of
// depth c towards the flange's centre between cutStart and cutStart + b.
void AddCutEdge(QPainterPath& path, double cutStart, double edgeY, bool topEdge) {
    const double r = CutRadius();
    const double mid = cutStart + kCutLength / 2;
    const double inward = topEdge ? 1.0 : -1.0;
    const double centreY = edgeY + inward * (kCutDepth - r);
    const double half = qRadiansToDegrees(std::asin((kCutLength / 2) / r));
    const QRectF circle(mid - r, centreY - r, 2 * r, 2 * r);
    // Qt angles run counter-clockwise from three o'clock, with y pointing down.
    if (topEdge) {
        path.lineTo(cutStart, edgeY);
        path.arcTo(circle, 270 - half, 2 * half);
    } else {
        path.lineTo(cutStart + kCutLength, edgeY);
        path.arcTo(circle, 90 - half, 2 * half);
    }
}

void Arrow(QPainter& p, QPointF tip, QPointF from) {
    const QLineF line(tip, from);
    const double angle = std::atan2(-line.dy(), line.dx());
    const double size = 9;
    const QPointF a = tip + QPointF(std::cos(angle + 0.4) * size, -std::sin(angle + 0.4) * size);
    const QPointF b = tip + QPointF(std::cos(angle - 0.4) * size, -std::sin(angle - 0.4) * size);
    p.drawPolygon(QPolygonF({tip, a, b}));
}

void Dimension(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    Arrow(p, from, to);
    Arrow(p, to, from);
}

void Symbol(QPainter& p, QPointF centre, const QString& text) {
    const QRectF box(centre.x() - 30, centre.y() - 12, 60, 24);
    p.drawText(box, Qt::AlignCenter, text);
}

void DrawColumn(QPainter& p, double centre) {
    const double left = centre - kColumnDepth / 2;
    const double right = centre + kColumnDepth / 2;
    QPainterPath section;
    section.addRect(QRectF(left, kColumnTop, kFlangeThickness, kColumnBottom - kColumnTop));
    section.addRect(
        QRectF(right - kFlangeThickness, kColumnTop, kFlangeThickness, kColumnBottom - kColumnTop));
    const double webY = (kBeamTop + kBeamBottom) / 2 - kWebThickness / 2;
    section.addRect(
        QRectF(left + kFlangeThickness, webY, kColumnDepth - 2 * kFlangeThickness, kWebThickness));
    p.setBrush(kColumnSteel);
    p.setPen(QPen(kOutline, 1.5));
    p.drawPath(section.simplified());
}

// Where the R leader bends, half way from the cut's centre to the arc.
QPointF RadiusKnee() {
    const double r = CutRadius();
    const double mid = kBeamRight - kCutStart - kCutLength / 2;
    const QPointF centre(mid, kBeamTop + kCutDepth - r);
    const double along = 70;
    const QPointF onArc(centre.x() + along, centre.y() + std::sqrt(r * r - along * along));
    return centre + (onArc - centre) * 0.5;
}

QPointF RadiusLabelAnchor() {
    return RadiusKnee() + QPointF(kRadiusShoulder + 55, 0);
}

}  // namespace

ConnectionSketch::ConnectionSketch(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("connectionSketch"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    const QString inches = QStringLiteral("0.0 in.");
    const double abLabelY = kDimensionAB - 36;
    cutStartLabel_ = AddLabel("cutStartLabel", inches, {kBeamLeft + kCutStart / 2, abLabelY});
    cutLengthLabel_ =
        AddLabel("cutLengthLabel", inches, {kBeamLeft + kCutStart + kCutLength / 2, abLabelY});
    cutDepthLabel_ = AddLabel("cutDepthLabel", inches,
                              {kBeamLeft + kCutStart + kCutLength / 2, kBeamBottom + 58});
    cutRadiusLabel_ = AddLabel("cutRadiusLabel", inches, RadiusLabelAnchor());
    spanLabel_ = AddLabel("spanLabel", QStringLiteral("0.0 ft."), {kWidth / 2, kDimensionL + 24});
    beamLabel_ = AddLabel("beamLabel", QStringLiteral("W"),
                          {kWidth / 2, (kBeamTop + kBeamBottom) / 2}, true);
    leftColumnLabel_ =
        AddLabel("leftColumnLabel", QStringLiteral("W"), {kLeftColumnCentre, 360}, true);
    rightColumnLabel_ =
        AddLabel("rightColumnLabel", QStringLiteral("W"), {kRightColumnCentre, 360}, true);
}

QLabel* ConnectionSketch::AddLabel(const char* name, const QString& text, QPointF anchor,
                                   bool bold) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    const QColor colour = bold ? kOutline : kDimension;
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    placed_.push_back({label, anchor, colour});
    return label;
}

void ConnectionSketch::SetLabels(const SketchLabels& labels) {
    const auto set = [](QLabel* label, const std::string& text) {
        label->setText(QString::fromStdString(text));
    };
    set(cutStartLabel_, labels.cutA);
    set(cutLengthLabel_, labels.cutB);
    set(cutDepthLabel_, labels.cutC);
    set(cutRadiusLabel_, labels.cutRadius);
    set(spanLabel_, labels.length);
    set(beamLabel_, labels.beam);
    set(leftColumnLabel_, labels.leftColumn);
    set(rightColumnLabel_, labels.rightColumn);
    PlaceLabels();
}

void ConnectionSketch::SetStale(bool stale) {
    for (const Placed& placed : placed_) {
        QPalette pal = placed.label->palette();
        pal.setColor(QPalette::WindowText,
                     stale ? QColor::fromRgb(kStaleGrey).darker(130) : placed.colour);
        placed.label->setPalette(pal);
    }
}

QSize ConnectionSketch::sizeHint() const {
    return {640, 300};
}

QTransform ConnectionSketch::DrawingToWidget() const {
    const double scale = std::min(width() / kWidth, height() / kHeight);
    QTransform t;
    t.translate((width() - kWidth * scale) / 2, (height() - kHeight * scale) / 2);
    t.scale(scale, scale);
    return t;
}

void ConnectionSketch::PlaceLabels() {
    const QTransform t = DrawingToWidget();
    for (const Placed& placed : placed_) {
        placed.label->adjustSize();
        const QPointF centre = t.map(placed.anchor);
        const QSize size = placed.label->size();
        placed.label->move(qRound(centre.x() - size.width() / 2.0),
                           qRound(centre.y() - size.height() / 2.0));
    }
}

void ConnectionSketch::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceLabels();
}

void ConnectionSketch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(DrawingToWidget());

    const double leftCut = kBeamLeft + kCutStart;
    const double rightCut = kBeamRight - kCutStart - kCutLength;

    // Column centre lines.
    p.setPen(QPen(kOutline, 1, Qt::DashDotLine));
    for (double x : {kLeftColumnCentre, kRightColumnCentre})
        p.drawLine(QPointF(x, kColumnTop - 25), QPointF(x, kDimensionL + 12));

    // Beam flange with the four cuts.
    QPainterPath flange;
    flange.moveTo(kBeamLeft, kBeamTop);
    AddCutEdge(flange, leftCut, kBeamTop, true);
    AddCutEdge(flange, rightCut, kBeamTop, true);
    flange.lineTo(kBeamRight, kBeamTop);
    flange.lineTo(kBeamRight, kBeamBottom);
    AddCutEdge(flange, rightCut, kBeamBottom, false);
    AddCutEdge(flange, leftCut, kBeamBottom, false);
    flange.lineTo(kBeamLeft, kBeamBottom);
    flange.closeSubpath();
    p.setBrush(kSteel);
    p.setPen(QPen(kOutline, 1.5));
    p.drawPath(flange);

    // The removed material: the original flange edges across the cuts.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRemoved, 1.2, Qt::DashLine));
    for (double x : {leftCut, rightCut})
        for (double y : {kBeamTop, kBeamBottom})
            p.drawLine(QPointF(x, y), QPointF(x + kCutLength, y));

    DrawColumn(p, kLeftColumnCentre);
    DrawColumn(p, kRightColumnCentre);

    QFont symbolFont = font();
    symbolFont.setItalic(true);
    symbolFont.setBold(true);
    symbolFont.setPixelSize(18);
    p.setFont(symbolFont);
    p.setPen(QPen(kDimension, 1.2));
    p.setBrush(kDimension);

    // a and b, measured from the column face.
    for (double x : {kBeamLeft, leftCut, leftCut + kCutLength})
        p.drawLine(QPointF(x, x == kBeamLeft ? kColumnTop - 5 : kBeamTop - 5),
                   QPointF(x, kDimensionAB - 10));
    Dimension(p, {kBeamLeft, kDimensionAB}, {leftCut, kDimensionAB});
    Dimension(p, {leftCut, kDimensionAB}, {leftCut + kCutLength, kDimensionAB});
    Symbol(p, {kBeamLeft + kCutStart / 2, kDimensionAB - 15}, QStringLiteral("a"));
    Symbol(p, {leftCut + kCutLength / 2, kDimensionAB - 15}, QStringLiteral("b"));

    // c, the depth of the cut, at the middle of the lower left cut, with the
    // arrows coming from outside because the dimension is small.
    const double cutMid = leftCut + kCutLength / 2;
    const double apex = kBeamBottom - kCutDepth;
    p.drawLine(QPointF(cutMid, apex - 22), QPointF(cutMid, kBeamBottom + 22));
    Arrow(p, {cutMid, apex}, {cutMid, apex - 22});
    Arrow(p, {cutMid, kBeamBottom}, {cutMid, kBeamBottom + 22});
    Symbol(p, {cutMid, kBeamBottom + 36}, QStringLiteral("c"));

    // R, the radius of the cut, on the upper right cut: a leader from the
    // arc with a shoulder that carries the symbol.
    const double r = CutRadius();
    const QPointF knee = RadiusKnee();
    const QPointF centre(rightCut + kCutLength / 2, kBeamTop + kCutDepth - r);
    const QPointF onArc = centre + (knee - centre) * 2.0;
    p.drawLine(knee, onArc);
    p.drawLine(knee, knee + QPointF(kRadiusShoulder, 0));
    Arrow(p, onArc, knee);
    Symbol(p, knee + QPointF(kRadiusShoulder / 2, -14), QStringLiteral("R"));

    // L, column centre to column centre.
    Dimension(p, {kLeftColumnCentre, kDimensionL}, {kRightColumnCentre, kDimensionL});
    Symbol(p, {kWidth / 2, kDimensionL - 14}, QStringLiteral("L"));

    QFont noteFont = font();
    noteFont.setItalic(true);
    noteFont.setPixelSize(15);
    p.setFont(noteFont);
    p.setPen(kOutline);
    p.drawText(QRectF(0, 0, kWidth, 30), Qt::AlignLeft | Qt::AlignVCenter,
               tr("Beam flange at the reduced beam sections, plan (not to scale)"));
}

}  // namespace vantrel
