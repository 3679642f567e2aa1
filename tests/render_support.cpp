#include "tests/render_support.h"

#include "view/render_scene.h"

namespace morvane::testing {

Rendering Render(const ModelState& model, const PenLoci& loci) {
  view::CanvasPictures pictures;
  view::PrepareCanvas(pictures);
  view::RenderAll(pictures, model, loci);
  return {pictures.imgTemp, pictures.PartIndexBitmap()};
}

uint32_t Rgb(const QImage& picture, int x, int y) { return picture.pixel(x, y) & 0xFFFFFFu; }

}  // namespace morvane::testing
