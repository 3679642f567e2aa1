#include "export/vector_picture.h"

#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <QRegion>
#include <QSvgGenerator>

#include "export/captions.h"
#include "model/output_file.h"
#include "view/canvas_pictures.h"
#include "view/render_scene.h"

namespace morvane::exporting {

namespace {

constexpr QPoint kCaptionPlace{2, 2};

// The scene's coordinates are canvas pixels, whose middles lie half a pixel
// in from their corners.
constexpr double kPixelMiddle = 0.5;

}  // namespace

std::string VectorPictureBytes(const VectorPicture& picture, const ModelState& model, const PenLoci& loci) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  // Without a width and height of its own, the document is as many units
  // wide and high as its view box, which viewers take as pixels; a size in
  // millimetres would round to a pixel more or less.
  generator.setViewBox(QRect(QPoint(0, 0), picture.Size));
  generator.setTitle(QStringLiteral("Morvane"));
  {
    QPainter painter(&generator);
    painter.scale(static_cast<double>(picture.Size.width()) / picture.Area.width(),
                  static_cast<double>(picture.Size.height()) / picture.Area.height());
    painter.fillRect(QRect(QPoint(0, 0), picture.Area.size()), Qt::white);
    painter.save();
    painter.translate(-picture.Area.topLeft());
    painter.save();
    painter.translate(kPixelMiddle, kPixelMiddle);
    view::DrawScene(painter, model, loci);
    painter.restore();
    // What of the area lies off the canvas is white, as in the pictures of
    // pixels, which are cut out of the canvas.
    for (const QRect& off : QRegion(picture.Area).subtracted(QRect(0, 0, view::kCanvasWidth, view::kCanvasHeight))) {
      painter.fillRect(off, Qt::white);
    }
    painter.restore();
    if (const int points = PictureCaptionPoints(picture.Area.height()); points > 0 && !picture.CaptionName.empty()) {
      DrawCaption(painter, picture.CaptionName, kCaptionPlace, points, kPictureDpi);
    }
  }
  return bytes.toStdString();
}

bool WriteVectorPicture(const VectorPicture& picture, const ModelState& model, const PenLoci& loci,
                        const std::string& path) {
  return WriteWholeFile(path, VectorPictureBytes(picture, model, loci));
}

}  // namespace morvane::exporting
