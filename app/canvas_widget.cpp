#include "app/canvas_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "view/canvas_pictures.h"

namespace morvane::app {

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("imgDisplay"));
  setFixedSize(view::kCanvasWidth, view::kCanvasHeight);
  // The pointer's position is shown whether or not a button is held.
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), picture_, event->rect());
  if (overlay_) {
    overlay_(painter);
  }
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  emit MousePressed(event->button(), event->position().toPoint(), event->modifiers());
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  emit MouseMoved(event->buttons(), event->position().toPoint(), event->modifiers());
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
  emit MouseReleased(event->button(), event->position().toPoint(), event->modifiers());
}

}  // namespace morvane::app
