#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <span>

#include "view/canvas_pictures.h"

namespace morvane::app {

// The part that a palette picture places, drawn by the canvas renderer as a
// one-part model (a part at rest, or a pin or pen as it is dragged), cut out
// of the canvas at full size with a small margin. The canvas background is
// made transparent, so the picture sits on the palette page. The canvas
// pictures it draws in are left empty.
QImage LonePartImage(view::CanvasPictures& pictures, int32_t kind);

// The largest scale, never above 1, at which every image fits the box. One
// scale for a whole page keeps the sizes of its parts in proportion.
double CommonScale(std::span<const QImage> images, QSize box);

}  // namespace morvane::app
