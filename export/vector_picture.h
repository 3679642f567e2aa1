#pragma once

// Vector pictures (SVG) of the canvas: the renderer draws the scene on an SVG
// generator instead of the back buffer, so every part stays a shape and every
// locus one polyline, which a drawing program or a printer scales without
// steps. Each shape is shifted by half a pixel so that its lines run through
// the middles of the pixels the canvas paints, and a picture of the vector
// file at its own size lies on the canvas picture.

#include <QRect>
#include <QSize>
#include <string>
#include <string_view>

#include "model/model_state.h"
#include "solver/pen_locus.h"

namespace morvane::exporting {

struct VectorPicture {
  // The rectangle of the 1280 x 960 canvas shown, on white, without grid
  // dots; what of it lies off the canvas stays white.
  QRect Area;
  // The picture's size; the area is scaled to it.
  QSize Size;
  // The model's name in the corner as on a single picture's caption, or
  // none when empty.
  std::string CaptionName;
};

// The SVG document's bytes.
std::string VectorPictureBytes(const VectorPicture& picture, const ModelState& model, const PenLoci& loci);

// Writes it through an OutputFile; false when the file cannot be written, an
// existing file of that name is then intact.
[[nodiscard]] bool WriteVectorPicture(const VectorPicture& picture, const ModelState& model, const PenLoci& loci,
                                      const std::string& path);

}  // namespace morvane::exporting
