#include "codecs/images/gif_animation.h"

#include <utility>

#include "codecs/images/gif_encoder.h"
#include "codecs/images/invariant.h"

namespace morvane {

GifAnimation::GifAnimation(std::string path) : path_(std::move(path)) {}

void GifAnimation::AddFrame(const RgbFrame& frame) {
  Require(frame.Width > 0 && frame.Height > 0, "an animation frame has pixels");
  Require(frames_.empty() || (frame.Width == frames_.front().Width && frame.Height == frames_.front().Height),
          "the frames of an animation have one size");
  frames_.push_back(MapToPalette(frame));
  MarkUsedColours(frames_.back(), used_);
}

bool GifAnimation::Finish() const {
  return !frames_.empty() && WriteGifPictures(path_, frames_, OptimisedColourTable(used_), GifKind::Looping);
}

}  // namespace morvane
