#pragma once

#include <QImage>
#include <optional>
#include <string>

namespace morvane::exporting {

// SVG is drawn from the scene itself (export/vector_picture.h), never from
// a picture of pixels, and is offered for single pictures only.
enum class ImageFormat { Jpeg, Bmp, Gif, Svg };

// The small GIF of the fourth filter, for web pages and slides.
inline constexpr int kSmallPictureWidth = 120;
inline constexpr int kSmallPictureHeight = 90;

// What a filter of the image save dialog asks for: a format, and for the
// fourth a 120 x 90 picture instead of one the size of the export area.
struct ImageKind {
  ImageFormat Format = ImageFormat::Jpeg;
  bool Small = false;
};

// Filters 1 to 5: JPEG, BMP, GIF, the 120 x 90 GIF, SVG.
ImageKind ImageKindOfFilter(int filterIndex);

// The file name's extension with its dot, in lower case; empty when it has none.
std::string LowerExtension(const std::string& path);

// The format a file name asks for by its extension (.jpg, .jpeg, .bmp, .gif,
// .svg in any letter case), or nullopt.
std::optional<ImageFormat> FormatOfName(const std::string& path);

// Writes the picture (JPEG, BMP or GIF) with the image writers: JPEG at quality 100, 24-bit
// BMP, or GIF in the fixed 216-colour palette. False when the file cannot be
// written; an existing file of that name is then intact.
[[nodiscard]] bool WritePicture(const QImage& picture, ImageFormat format, const std::string& path);

}  // namespace morvane::exporting
