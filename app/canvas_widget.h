#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>

class QPainter;

namespace morvane::app {

// The visible canvas, imgDisplay: 1280 x 960 pixels showing Picture(). Whoever
// draws into the picture calls update() afterwards. Pointer positions are
// reported in canvas pixels.
class CanvasWidget final : public QWidget {
  Q_OBJECT

 public:
  explicit CanvasWidget(QWidget* parent);

  QImage& Picture() { return picture_; }
  // Drawn over the picture on the screen alone, never into it, so that no
  // export shows it; none when empty.
  void SetOverlay(std::function<void(QPainter&)> overlay) { overlay_ = std::move(overlay); }

 signals:
  void MousePressed(Qt::MouseButton button, QPoint canvasPoint, Qt::KeyboardModifiers modifiers);
  void MouseMoved(Qt::MouseButtons buttons, QPoint canvasPoint, Qt::KeyboardModifiers modifiers);
  void MouseReleased(Qt::MouseButton button, QPoint canvasPoint, Qt::KeyboardModifiers modifiers);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  std::function<void(QPainter&)> overlay_;
};

}  // namespace morvane::app
