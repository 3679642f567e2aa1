#pragma once

#include <string>
#include <vector>

#include "codecs/images/gif_palette.h"
#include "codecs/rgb_frame.h"

namespace morvane {

// A looping GIF animation collected frame by frame and written at the end,
// so that an export stopped half-way leaves no file at all. Each frame shows
// for 30 hundredths of a second; the animation repeats for ever. Frames are
// kept as palette indices, a third of their RGB size.
class GifAnimation {
 public:
  explicit GifAnimation(std::string path);

  // Maps the frame to the 216-colour palette and keeps it. Every frame must
  // have the size of the first, and none may be empty.
  void AddFrame(const RgbFrame& frame);

  // Writes the file, with one colour table of the colours any frame uses.
  // False when no frame was added or the file cannot be written; an existing
  // file of that name is then untouched.
  [[nodiscard]] bool Finish() const;

 private:
  std::string path_;
  std::vector<IndexedPicture> frames_;
  UsedColours used_{};
};

}  // namespace morvane
