#include "export/area_shape.h"

#include <QPainter>

namespace morvane::exporting {

AreaShape::AreaShape(QWidget* parent) : QWidget(parent) {
  // The zone under the pointer is chosen while no button is down.
  setMouseTracking(true);
  setCursor(Qt::SizeAllCursor);
}

void AreaShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  // An outline covers one pixel more than its rectangle.
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace morvane::exporting
