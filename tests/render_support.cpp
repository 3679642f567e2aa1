#include "tests/render_support.h"

#include <stdexcept>

#include "model/catalogue.h"
#include "view/render_scene.h"

namespace morvane::testing {

Rendering Render(const ModelState& model, const PenLoci& loci) {
  view::CanvasPictures pictures;
  view::PrepareCanvas(pictures);
  view::RenderAll(pictures, model, loci);
  return {pictures.imgTemp, pictures.PartIndexBitmap()};
}

int AddPart(ModelState& model, int32_t kind, double x, double y, double angle, std::optional<double> size) {
  if (CreatePart(model, kind, x, y)) {
    throw std::runtime_error("part refused");
  }
  const int index = model.PartCount - 1;
  model.PartTable[index].Angle = angle;
  FinishPartDrop(model, index);
  model.PartTable[index].Size = size.value_or(model.PartTable[index].Size);
  return index;
}

uint32_t Rgb(const QImage& picture, int x, int y) { return picture.pixel(x, y) & 0xFFFFFFu; }

}  // namespace morvane::testing
