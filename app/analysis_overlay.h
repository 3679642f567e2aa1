#pragma once

// What the analysis window lays over the canvas: an arrow from each pen along
// its velocity, as far as the pen goes in half a radian of the power part's
// turn, and the crank drawn where it stands at each dead point.

#include <QColor>
#include <QPointF>
#include <vector>

#include "analysis/mechanism_analysis.h"
#include "model/model_state.h"

class QPainter;

namespace morvane::app {

constexpr double kArrowRadians = 0.5;

struct OverlayArrow {
  QPointF From;
  QPointF To;
  QColor Colour;
};

struct OverlayMarks {
  std::vector<OverlayArrow> Arrows;
  QPointF Axle;
  // The crank pin where the power part stands at each dead point.
  std::vector<QPointF> DeadCranks;
};

// The pens' velocities come from the drive stepped either way of the model's
// position; the dead points from the analysis.
OverlayMarks OverlayOf(const ModelState& model, const analysis::MechanismAnalysis& result);

// Aliased, as the canvas is drawn.
void PaintOverlay(QPainter& painter, const OverlayMarks& marks);

}  // namespace morvane::app
