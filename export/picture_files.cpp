#include "export/picture_files.h"

#include <algorithm>
#include <cassert>
#include <cctype>

#include "codecs/images/bmp_writer.h"
#include "codecs/images/gif_writer.h"
#include "codecs/images/jpeg_writer.h"
#include "export/capture_frame.h"

namespace morvane::exporting {

std::string LowerExtension(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
    return "";
  }
  std::string extension = path.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

ImageKind ImageKindOfFilter(int filterIndex) {
  assert(filterIndex >= 1 && filterIndex <= 5);
  switch (filterIndex) {
    case 1:
      return {ImageFormat::Jpeg, false};
    case 2:
      return {ImageFormat::Bmp, false};
    case 3:
      return {ImageFormat::Gif, false};
    case 4:
      return {ImageFormat::Gif, true};
    default:
      return {ImageFormat::Svg, false};
  }
}

std::optional<ImageFormat> FormatOfName(const std::string& path) {
  const std::string extension = LowerExtension(path);
  if (extension == ".jpg" || extension == ".jpeg") {
    return ImageFormat::Jpeg;
  }
  if (extension == ".bmp") {
    return ImageFormat::Bmp;
  }
  if (extension == ".gif") {
    return ImageFormat::Gif;
  }
  if (extension == ".svg") {
    return ImageFormat::Svg;
  }
  return std::nullopt;
}

bool WritePicture(const QImage& picture, ImageFormat format, const std::string& path) {
  QImage converted;
  const RgbFrame frame = ToRgbFrame(picture, converted);
  switch (format) {
    case ImageFormat::Jpeg:
      return WriteJpeg(frame, path);
    case ImageFormat::Bmp:
      return WriteBmp(frame, path);
    case ImageFormat::Gif:
      return WriteGif(frame, path);
    case ImageFormat::Svg:
      assert(!"a vector picture is drawn from the scene, not from pixels");
      break;
  }
  return false;
}

}  // namespace morvane::exporting
