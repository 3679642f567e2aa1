#include "export/capture_frame.h"

#include <QPainter>

#include "view/render_scene.h"

namespace morvane::exporting {

QImage CutArea(const QImage& canvas, const ExportArea& area) {
  QImage cut(area.AreaWidth, area.AreaHeight, QImage::Format_RGB888);
  cut.fill(Qt::white);
  QPainter painter(&cut);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(QPoint(-area.AreaX, -area.AreaY), canvas);
  return cut;
}

QImage CaptureFrame(view::CanvasPictures& pictures, const ModelState& model, const PenLoci& loci,
                    const ExportArea& area) {
  pictures.imgTemp.fill(Qt::white);
  view::RenderAll(pictures, model, loci);
  return CutArea(pictures.imgTemp, area);
}

RgbFrame ToRgbFrame(const QImage& picture, QImage& converted) {
  const QImage* source = &picture;
  int pixelBytes = 3;
  if (picture.format() == QImage::Format_RGBX8888) {
    pixelBytes = 4;
  } else if (picture.format() != QImage::Format_RGB888) {
    converted = picture.convertToFormat(QImage::Format_RGB888);
    source = &converted;
  }
  return {source->width(), source->height(), source->bytesPerLine(), pixelBytes, source->constBits()};
}

}  // namespace morvane::exporting
