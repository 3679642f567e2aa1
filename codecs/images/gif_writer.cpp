#include "codecs/images/gif_writer.h"

#include "codecs/images/gif_encoder.h"
#include "codecs/images/gif_palette.h"

namespace morvane {

bool WriteGif(const RgbFrame& frame, const std::string& path) {
  if (frame.Width <= 0 || frame.Height <= 0) {
    return false;
  }
  const IndexedPicture picture = MapToPalette(frame);
  UsedColours used{};
  MarkUsedColours(picture, used);
  return WriteGifPictures(path, {&picture, 1}, OptimisedColourTable(used), GifKind::Still);
}

}  // namespace morvane
