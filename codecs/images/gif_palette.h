#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "codecs/rgb_frame.h"

namespace morvane {

// GIF pictures use a fixed palette of 216 colours, 6 levels per channel (0,
// 51, 102, 153, 204, 255); colour (r, g, b) of levels 0..5 has the index
// r x 36 + g x 6 + b.
inline constexpr int kPaletteColours = 216;

// A picture as indices into that palette, rows top to bottom, no padding.
struct IndexedPicture {
  int Width = 0;
  int Height = 0;
  std::vector<uint8_t> Indices;
};

// Every pixel takes its nearest palette colour, without dithering: the
// canvas is flat colours, which dithering would only speckle.
IndexedPicture MapToPalette(const RgbFrame& frame);

using UsedColours = std::array<bool, kPaletteColours>;

void MarkUsedColours(const IndexedPicture& picture, UsedColours& used);

// The colour table a file carries: only the palette colours some pixel uses,
// in palette order, padded with black to the power of two (at least 2) a GIF
// table must have.
struct ColourTable {
  std::vector<std::array<uint8_t, 3>> Colours;
  // The table entry of each used palette index.
  std::array<uint8_t, kPaletteColours> EntryOf{};
};

ColourTable OptimisedColourTable(const UsedColours& used);

}  // namespace morvane
