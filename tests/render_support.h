#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>

#include "model/model_state.h"
#include "solver/pen_locus.h"

namespace morvane::testing {

// One frame: the back buffer and the part-index picture after prepare and render.
struct Rendering {
  QImage Scene;
  QImage Index;
};

Rendering Render(const ModelState& model, const PenLoci& loci = {});

// Creates a part as a palette drop does, turned by `angle`, at rest (not
// Selected); returns its index.
int AddPart(ModelState& model, int32_t kind, double x, double y, double angle = 0);

// A part of every kind code with fixed and movable pins, the four pens, a
// Selected plate on top, pins and pens on their way from the palette, and a
// trail of every colour.
void BuildEveryKindModel(ModelState& model, PenLoci& loci);

// The pixel as 0xRRGGBB, so that a failing comparison prints readably.
uint32_t Rgb(const QImage& picture, int x, int y);

}  // namespace morvane::testing
