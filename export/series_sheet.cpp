#include "export/series_sheet.h"

#include <QPainter>
#include <cassert>

#include "export/box_drawing.h"
#include "export/captions.h"

namespace morvane::exporting {

namespace {

constexpr int kSheetColumns = 6;
constexpr int kColumnPitch = 260;
constexpr int kRowPitch = 200;
constexpr int kFirstCellX = 40;
constexpr int kFirstCellY = 80;
// The frame stands one white pixel clear of the picture.
constexpr int kFrameClearance = 2;
constexpr QPoint kSheetCaptionPlace{8, 8};

}  // namespace

SeriesCell SheetCellAt(int index) {
  assert(index >= 0 && index < kSeriesPictures);
  const int left = kColumnPitch * (index % kSheetColumns) + kFirstCellX;
  const int top = kRowPitch * (index / kSheetColumns) + kFirstCellY;
  const PixelBox picture{left, top, left + kSheetCellWidth, top + kSheetCellHeight};
  const PixelBox frame{picture.Left - kFrameClearance, picture.Top - kFrameClearance, picture.Right + kFrameClearance,
                       picture.Bottom + kFrameClearance};
  return {picture, frame};
}

QImage ComposeSeriesSheet(std::span<const QImage> cells, std::string_view name) {
  assert(cells.size() == kSeriesPictures);
  QImage sheet(kSheetWidth, kSheetHeight, QImage::Format_RGB888);
  sheet.fill(Qt::white);
  QPainter painter(&sheet);
  DrawCaption(painter, name, kSheetCaptionPlace, kSheetCaptionPoints, kPictureDpi);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  for (int i = 0; i < kSeriesPictures; ++i) {
    const QImage& cell = cells[static_cast<size_t>(i)];
    assert(cell.width() == kSheetCellWidth && cell.height() == kSheetCellHeight);
    const SeriesCell place = SheetCellAt(i);
    painter.drawImage(QPoint(place.Picture.Left, place.Picture.Top), cell);
    DrawFrame(painter, place.Frame);
  }
  return sheet;
}

}  // namespace morvane::exporting
