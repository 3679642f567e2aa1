#include "export/captions.h"

#include <QFont>

#include "export/export_texts.h"
#include "export/mul_div.h"
#include "view/qt_text.h"

namespace morvane::exporting {

namespace {

constexpr int kPointsPerInch = 72;
constexpr int kSmallestCaptioned = 240;
constexpr int kHeightPerPoint = 30;
constexpr QPoint kPictureCaptionPlace{2, 2};

QFont CaptionFont(int points, int dpi) {
  QFont font(kCaptionFont);
  font.setPixelSize(MulDiv(points, dpi, kPointsPerInch));
  // Hinting follows each machine's font settings; outlines alone do not.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace

int PictureCaptionPoints(int pictureHeight) {
  return pictureHeight >= kSmallestCaptioned ? pictureHeight / kHeightPerPoint : 0;
}

void DrawCaption(QPainter& painter, std::string_view name, QPoint at, int points, int dpi) {
  painter.save();
  painter.setFont(CaptionFont(points, dpi));
  painter.setPen(Qt::black);
  painter.setBackgroundMode(Qt::TransparentMode);
  const QString text = ToQString(export_texts::CaptionOpen) + ToQString(name) + ToQString(export_texts::CaptionClose);
  const QRect room(at, QSize(painter.device()->width(), painter.device()->height()));
  painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  painter.restore();
}

void CaptionPicture(QImage& picture, std::string_view name) {
  const int points = PictureCaptionPoints(picture.height());
  if (points == 0) {
    return;
  }
  QPainter painter(&picture);
  DrawCaption(painter, name, kPictureCaptionPlace, points, kPictureDpi);
}

}  // namespace morvane::exporting
