#include "view/canvas_pictures.h"

#include <algorithm>
#include <cstring>

#include "view/draw_colours.h"
#include "view/render_scene.h"

namespace morvane::view {

namespace {

constexpr int kDotPitch = 10;

QImage DottedBackground() {
  QImage picture(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32);
  picture.fill(kWhite);
  for (int y = 0; y < kCanvasHeight; y += kDotPitch) {
    for (int x = 0; x < kCanvasWidth; x += kDotPitch) {
      picture.setPixel(x, y, kGrey);
    }
  }
  return picture;
}

// Copies into the target's own buffer when the shapes match, so a frame
// allocates nothing.
void CopyPicture(const QImage& from, QImage& to) {
  if (to.size() != from.size() || to.format() != from.format() || to.bytesPerLine() != from.bytesPerLine()) {
    to = from.copy();
    return;
  }
  std::memcpy(to.bits(), from.constBits(), static_cast<size_t>(from.sizeInBytes()));
}

void FillRowsWhite(QImage& picture) {
  for (int y = 0; y < picture.height(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
    std::fill_n(row, picture.width(), kWhite);
  }
}

}  // namespace

CanvasPictures::CanvasPictures()
    : imgClearDot(DottedBackground()),
      imgTemp(imgClearDot.copy()),
      partIndexBitmap_(kCanvasWidth, kCanvasHeight, QImage::Format_RGB32),
      indexParts_(std::make_unique<Table>()) {
  FillRowsWhite(partIndexBitmap_);
}

const QImage& CanvasPictures::PartIndexBitmap() {
  if (indexStale_) {
    FillRowsWhite(partIndexBitmap_);
    PaintPartIndex(partIndexBitmap_, *indexParts_, indexPartCount_);
    indexStale_ = false;
  }
  return partIndexBitmap_;
}

void CanvasPictures::ClearPartIndex() { SetIndexParts(*indexParts_, 0); }

void CanvasPictures::SetIndexParts(const Table& table, int count) {
  const int used = std::clamp(count, 0, kTableRecords);
  std::copy_n(table.begin(), used, indexParts_->begin());
  indexPartCount_ = used;
  indexStale_ = true;
}

void PrepareCanvas(CanvasPictures& pictures, const std::function<void()>& processPendingMessages) {
  CopyPicture(pictures.imgClearDot, pictures.imgTemp);
  if (processPendingMessages) {
    processPendingMessages();
  }
  pictures.ClearPartIndex();
}

void PresentCanvas(const CanvasPictures& pictures, QImage& display) { CopyPicture(pictures.imgTemp, display); }

int PartIndexAt(CanvasPictures& pictures, int x, int y) {
  const QImage& picture = pictures.PartIndexBitmap();
  if (!picture.valid(x, y)) {
    return -1;
  }
  const QRgb pixel = reinterpret_cast<const QRgb*>(picture.constScanLine(y))[x];
  if (qGreen(pixel) != 0 || qBlue(pixel) != 0) {
    return -1;
  }
  return qRed(pixel);
}

}  // namespace morvane::view
