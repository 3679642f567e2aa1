#pragma once

#include <QImage>
#include <cstdint>

#include "tests/part_building.h"
#include "model/model_state.h"
#include "solver/pen_locus.h"

namespace morvane::testing {

// One frame: the back buffer and the part-index picture after prepare and render.
struct Rendering {
  QImage Scene;
  QImage Index;
};
Rendering Render(const ModelState& model, const PenLoci& loci = {});

using testing::AddPart;

// The pixel as 0xRRGGBB, so that a failing comparison prints readably.
uint32_t Rgb(const QImage& picture, int x, int y);

}  // namespace morvane::testing
