#pragma once

#include <QImage>
#include <functional>
#include <memory>

#include "model/part_record.h"

namespace morvane::view {

constexpr int kCanvasWidth = 1280;
constexpr int kCanvasHeight = 960;

// The hidden pictures behind the canvas, made once when the main window is
// first shown; all 1280 x 960 in QImage::Format_RGB32.
class CanvasPictures {
 public:
  CanvasPictures();

  // The empty canvas: white with a grey dot every 10 pixels.
  QImage imgClearDot;
  // The back buffer every frame is drawn into.
  QImage imgTemp;

  // The part-index picture of the last render: every pixel of a body at rest
  // holds the part's table index as its red value (green and blue 0), white
  // where no part is. Nothing reads it during automatic rotation, so it is
  // painted when first asked for after a render, from the parts as they were
  // rendered.
  const QImage& PartIndexBitmap();

  // For the redraw steps: the index picture is to be white, or to show these parts.
  void ClearPartIndex();
  void SetIndexParts(const Table& table, int count);

 private:
  QImage partIndexBitmap_;
  std::unique_ptr<Table> indexParts_;
  int indexPartCount_ = 0;
  bool indexStale_ = false;
};

// The three steps of every redraw: PrepareCanvas, RenderAll (render_scene.h),
// PresentCanvas. Prepare restores the background with one picture copy, lets
// the windows handle pending messages and clears the part-index picture.
void PrepareCanvas(CanvasPictures& pictures, const std::function<void()>& processPendingMessages = {});
// Copies the back buffer into the visible canvas.
void PresentCanvas(const CanvasPictures& pictures, QImage& display);

// The part whose body covers the canvas pixel, or -1 for none and for points
// outside the canvas. Valid from the end of a render until the next prepare.
int PartIndexAt(CanvasPictures& pictures, int x, int y);

}  // namespace morvane::view
