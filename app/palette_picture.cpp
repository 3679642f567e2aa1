#include "app/palette_picture.h"

#include <QMouseEvent>

namespace morvane::app {

PalettePicture::PalettePicture(const QString& name, int32_t kind, QWidget* parent) : QLabel(parent) {
  setObjectName(name);
  setProperty("Tag", kind);
  setAlignment(Qt::AlignCenter);
}

int32_t PalettePicture::Kind() const { return property("Tag").toInt(); }

void PalettePicture::mousePressEvent(QMouseEvent* event) {
  emit Pressed(Kind(), event->button(), event->globalPosition().toPoint());
}

void PalettePicture::mouseMoveEvent(QMouseEvent* event) {
  emit Moved(Kind(), event->buttons(), event->globalPosition().toPoint());
}

void PalettePicture::mouseReleaseEvent(QMouseEvent* event) {
  emit Released(Kind(), event->button(), event->globalPosition().toPoint());
}

}  // namespace morvane::app
