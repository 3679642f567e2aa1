// Disks: a circle of radius Size round the origin, holes on the vertical
// diameter at 30, 50, 70, ... and on the horizontal one at 20, 40, 60, ...
// from the centre, which carries the axle.

#include "model/catalogue.h"
#include "model/part_kind.h"
#include "view/draw_colours.h"
#include "view/part_marks.h"
#include "view/part_painters.h"

namespace morvane::view {

void DrawDisk(FramePainters& painters, const Table& table, int index) {
  const PartRecord& part = table[index];
  PartCanvas canvas(painters, part, index);
  const Box body = CircleBox(part, part.Size);
  canvas.BodyEllipse(body, part.Kind < kFirstKindWithoutPowerAxle ? kPowerMark : kPlainBody);
  canvas.IndexEllipse(body);
  // Codes below 15 other than the power disks are drawn as disks too, with
  // the disks' hole layout.
  PartRecord asDisk = part;
  asDisk.Kind = DiskPassive1;
  canvas.Holes(HolesOf(asDisk));
  DrawMarks(canvas);
}

}  // namespace morvane::view
