#include "app/analysis_overlay.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "analysis/point_motion.h"
#include "model/part_kind.h"
#include "view/draw_colours.h"

namespace morvane::app {

namespace {

constexpr double kHeadLength = 8;
constexpr double kHeadHalfAngle = 0.4;
constexpr double kCrossHalf = 6;
const QColor kDeadPointColour(160, 0, 160);

QPointF At(Point p) { return {p.X, p.Y}; }

std::vector<analysis::TrackedPoint> Pens(const std::vector<analysis::TrackedPoint>& points) {
  std::vector<analysis::TrackedPoint> pens;
  for (const analysis::TrackedPoint& point : points) {
    if (point.What == analysis::TrackedPoint::Kind::Pen) {
      pens.push_back(point);
    }
  }
  return pens;
}

void Arrow(QPainter& painter, const OverlayArrow& arrow) {
  painter.setPen(QPen(arrow.Colour, 2));
  painter.drawLine(arrow.From, arrow.To);
  const QPointF along = arrow.To - arrow.From;
  const double length = std::hypot(along.x(), along.y());
  if (length < 1) {
    return;
  }
  const double direction = std::atan2(along.y(), along.x());
  for (const double side : {-kHeadHalfAngle, kHeadHalfAngle}) {
    const QPointF back(std::cos(direction + side), std::sin(direction + side));
    painter.drawLine(arrow.To, arrow.To - back * kHeadLength);
  }
}

}  // namespace

OverlayMarks OverlayOf(const ModelState& model, const analysis::MechanismAnalysis& result) {
  OverlayMarks marks;
  const std::vector<analysis::TrackedPoint> pens = Pens(analysis::TrackedPoints(model));
  if (const auto motion = analysis::MotionAt(model, pens)) {
    for (size_t k = 0; k < pens.size(); ++k) {
      const QPointF from = At(analysis::PositionOf(model.PartTable, pens[k]));
      const QPointF along((*motion)[k].Vx, (*motion)[k].Vy);
      marks.Arrows.push_back({from, from + along * kArrowRadians, QColor(view::PenColour(pens[k].Id))});
    }
  }
  const std::optional<int> power = analysis::UsablePowerPart(model);
  if (!power || result.DeadPoints.empty()) {
    return marks;
  }
  const PartRecord& crank = model.PartTable[*power];
  if (!HasAxle(crank.Kind) || crank.PinCount < 2) {
    return marks;
  }
  // The crank pin turned about the axle from where it stands to each dead point.
  marks.Axle = At(PinWorld(crank, 0));
  for (const analysis::DeadPoint& dead : result.DeadPoints) {
    PartRecord there = crank;
    there.Angle = dead.Position / 10.0;
    marks.DeadCranks.push_back(At(PinWorld(there, 1)));
  }
  return marks;
}

void PaintOverlay(QPainter& painter, const OverlayMarks& marks) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const OverlayArrow& arrow : marks.Arrows) {
    Arrow(painter, arrow);
  }
  painter.setPen(QPen(kDeadPointColour, 2, Qt::DashLine));
  for (const QPointF& pin : marks.DeadCranks) {
    painter.drawLine(marks.Axle, pin);
    painter.setPen(QPen(kDeadPointColour, 2));
    painter.drawLine(pin - QPointF(kCrossHalf, kCrossHalf), pin + QPointF(kCrossHalf, kCrossHalf));
    painter.drawLine(pin - QPointF(kCrossHalf, -kCrossHalf), pin + QPointF(kCrossHalf, -kCrossHalf));
    painter.setPen(QPen(kDeadPointColour, 2, Qt::DashLine));
  }
  painter.restore();
}

}  // namespace morvane::app
