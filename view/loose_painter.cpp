// Pins and pens exist as records only while they are dragged from the palette;
// they are drawn hollow at the record's origin, in the scene only.

#include "model/part_kind.h"
#include "view/draw_colours.h"
#include "view/part_marks.h"
#include "view/part_painters.h"

namespace morvane::view {

void DrawLoosePin(FramePainters& painters, const Table& table, int index) {
  const PartRecord& part = table[index];
  if (!part.Selected || painters.Scene == nullptr) {
    return;
  }
  const QPoint c = Rounded(part.X, part.Y);
  const Look outline{kBlack, std::nullopt};
  if (part.Kind == Hatome) {
    DrawEllipse(*painters.Scene, BoxAround(c, 8, 9), outline);
    DrawEllipse(*painters.Scene, BoxAround(c, 1, 2), outline);
  } else if (part.Kind == KoteiPin) {
    DrawRect(*painters.Scene, BoxAround(c, 8, 9), outline);
  }
}

void DrawLoosePen(FramePainters& painters, const Table& table, int index) {
  if (painters.Scene == nullptr) {
    return;
  }
  const PartRecord& part = table[index];
  const QPoint c = Rounded(part.X, part.Y);
  const QRgb colour = PenColour(part.Kind);
  DrawPenHexagon(*painters.Scene, c, colour);
  DrawEllipse(*painters.Scene, BoxAround(c, 3, 4), {colour, std::nullopt});
}

}  // namespace morvane::view
