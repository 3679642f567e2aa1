#include "view/trails.h"

#include <QPoint>
#include <algorithm>
#include <vector>

#include "model/part_kind.h"
#include "view/draw_colours.h"
#include "view/part_canvas.h"
#include "view/shapes.h"

namespace morvane::view {

void DrawTrails(QPainter& scene, const PenLoci& loci) {
  // Kept between frames so that a frame allocates nothing once the trails
  // have reached their full length.
  static thread_local std::vector<QPoint> points;
  for (int colour = 0; colour < kPenColours; ++colour) {
    const PenTrail& trail = loci.Trails[colour];
    const size_t count = std::min(trail.X.size(), trail.Y.size());
    points.clear();
    for (size_t i = 0; i < count; ++i) {
      points.push_back(Rounded(trail.X[i], trail.Y[i]));
    }
    DrawPolyline(scene, points, PenColour(PenBlack + colour));
  }
}

}  // namespace morvane::view
