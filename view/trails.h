#pragma once

#include <QPainter>

#include "solver/pen_locus.h"

namespace morvane::view {

// The loci in the order black, red, blue, green, each as straight lines
// through its points; a trail of a single point draws nothing.
void DrawTrails(QPainter& scene, const PenLoci& loci);

}  // namespace morvane::view
