#pragma once

#include <span>
#include <string>

#include "codecs/images/gif_palette.h"

namespace morvane {

enum class GifKind {
  // One picture, shown once.
  Still,
  // Pictures shown one after another for 30 hundredths of a second each,
  // looping for ever.
  Looping,
};

// Writes a GIF89a file of the pictures, which all have the size of the first,
// with one global colour table and LZW-compressed images. False when the file
// cannot be written; an existing file of that name is then untouched.
[[nodiscard]] bool WriteGifPictures(const std::string& path, std::span<const IndexedPicture> pictures,
                                    const ColourTable& table, GifKind kind);

}  // namespace morvane
