#pragma once

// The encoder's pictures: 8-bit planes padded to whole macroblocks, and the
// conversion of an RGB frame into them.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "codecs/rgb_frame.h"

namespace morvane::mpeg {

// One plane. Samples beyond Width and Height up to the padded size repeat the
// last column and row, so that macroblocks on the right and bottom edges are
// read as if the picture went on unchanged.
struct TImageBW {
  int Width = 0;
  int Height = 0;
  int PaddedWidth = 0;
  int PaddedHeight = 0;
  std::vector<uint8_t> Samples;  // PaddedWidth x PaddedHeight, rows top to bottom

  void Resize(int width, int height, int paddedWidth, int paddedHeight);
  uint8_t* Row(int y) { return Samples.data() + static_cast<std::ptrdiff_t>(y) * PaddedWidth; }
  const uint8_t* Row(int y) const { return Samples.data() + static_cast<std::ptrdiff_t>(y) * PaddedWidth; }
  void RepeatEdges();
};

// Luminance at full size; the colour differences at half the width and half
// the height, rounded down (but at least one sample), padded to half the
// luminance's padded size.
struct TMpegImage {
  TImageBW Y;
  TImageBW Cb;
  TImageBW Cr;

  void Resize(int width, int height);
  int MacroblockColumns() const { return Y.PaddedWidth / 16; }
  int MacroblockRows() const { return Y.PaddedHeight / 16; }
};

// Fills `image` (already sized as the frame) from a frame of 3 or 4 bytes
// per pixel:
//   Y  = round(0.2578125 R + 0.50703125 G + 0.09453125 B) + 16, halves to even;
//   Cb = (-21 r - 42 g + 63 b) / 128 + 128 and Cr = (63 r - 53 g - 10 b) / 128 + 128,
//        divisions truncating, where r, g, b average (truncated) the two pixels
//        of a column pair in the upper row of each row pair.
// The program has always taken the colour of the upper row: it converted from
// the bottom row up, so the upper row of a pair was written last.
void ConvertFrame(const RgbFrame& frame, TMpegImage& image);

}  // namespace morvane::mpeg
