#pragma once

#include <QImage>
#include <cstdint>
#include <optional>

#include "model/model_state.h"
#include "solver/pen_locus.h"

namespace morvane::testing {

// One frame: the back buffer and the part-index picture after prepare and render.
struct Rendering {
  QImage Scene;
  QImage Index;
};
Rendering Render(const ModelState& model, const PenLoci& loci = {});

// Drops a part as from the palette, turned and resized; returns its index.
int AddPart(ModelState& model, int32_t kind, double x, double y, double angle = 0, std::optional<double> size = {});

// The pixel as 0xRRGGBB, so that a failing comparison prints readably.
uint32_t Rgb(const QImage& picture, int x, int y);

}  // namespace morvane::testing
