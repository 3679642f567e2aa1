#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <string_view>

namespace morvane::exporting {

// Captions name the model between the brackets of export_texts.h. The font
// is named, and installed with the program's dependencies, so that a picture
// comes out the same on every machine; IPAGothic has both the Latin and the
// Japanese letters.
inline constexpr char kCaptionFont[] = "IPAGothic";
// Point sizes of the caption on the series sheet and on the printed series page.
inline constexpr int kSheetCaptionPoints = 20;
inline constexpr int kPrintCaptionPoints = 18;
// Pictures and frames count points at the screen resolution the sizes were chosen for.
inline constexpr int kPictureDpi = 96;

// The caption's point size on a single picture or movie frame: a thirtieth
// of its height, and none (0) below 240 pixels, where it would hide too much.
int PictureCaptionPoints(int pictureHeight);

// Draws the caption in black, with nothing behind the letters, its top-left
// corner at `at`; points are converted to pixels at `dpi`.
void DrawCaption(QPainter& painter, std::string_view name, QPoint at, int points, int dpi);

// The caption of a single picture or movie frame: at (2, 2), sized by the
// picture's height, or none on a picture under 240 pixels.
void CaptionPicture(QImage& picture, std::string_view name);

}  // namespace morvane::exporting
