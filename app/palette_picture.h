#pragma once

#include <QLabel>
#include <QPoint>
#include <cstdint>

namespace morvane::app {

// One picture of the palette. Its Tag property is the kind of part it places.
// The pointer is reported in screen coordinates: the drag it starts is
// followed over the canvas.
class PalettePicture final : public QLabel {
  Q_OBJECT

 public:
  PalettePicture(const QString& name, int32_t kind, QWidget* parent);

  int32_t Kind() const;

 signals:
  void Pressed(int32_t kind, Qt::MouseButton button, QPoint screenPoint);
  void Moved(int32_t kind, Qt::MouseButtons buttons, QPoint screenPoint);
  void Released(int32_t kind, Qt::MouseButton button, QPoint screenPoint);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace morvane::app
