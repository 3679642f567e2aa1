#include "export/box_drawing.h"

namespace morvane::exporting {

void DrawFrame(QPainter& painter, const PixelBox& box) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::NoBrush);
  // An aliased outline covers one pixel more than its QRect.
  painter.drawRect(QRect(box.Left, box.Top, box.Width() - 1, box.Height() - 1));
  painter.restore();
}

}  // namespace morvane::exporting
