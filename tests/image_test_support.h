#pragma once

#include <gif_lib.h>

#include <array>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "session/rgb_frame.h"

namespace morvane {

// Failures show the size and the first pixels instead of the object's bytes.
void PrintTo(const RgbImage& image, std::ostream* out);

}  // namespace morvane

namespace morvane::testing {

// What an export shows: a white canvas, grey grid dots every 10 pixels,
// coloured filled shapes and thin black lines.
RgbImage CanvasLikePicture(int width, int height);
// Every pixel an unrelated colour: the worst case for the encoders.
RgbImage NoisePicture(int width, int height, unsigned seed);

// The same pixels with a fourth byte per pixel and padding after each row.
struct PaddedCopy {
  std::vector<uint8_t> Bytes;
  RgbFrame Frame;
};
PaddedCopy WithFourBytesPerPixel(const RgbImage& image);

// The nearest colour of the 216-colour GIF palette, found by trying all six
// levels of each channel.
std::array<uint8_t, 3> NearestPaletteColour(const uint8_t* rgb);

struct DecodedJpeg {
  RgbImage Picture;
  int StartOfFrame = 0;  // the SOFn marker's second byte
  bool FullChroma = false;
  bool UnitQuantisers = false;
};
DecodedJpeg DecodeJpeg(const std::string& path);

struct GifCloser {
  void operator()(GifFileType* gif) const;
};
// The whole file read with giflib's DGifSlurp; null when it does not decode.
std::unique_ptr<GifFileType, GifCloser> SlurpGif(const std::string& path);

// ffprobe's answer for the first video stream, e.g. entries "width,height".
std::string Probe(const std::string& path, const std::string& entries, bool countFrames = false);

}  // namespace morvane::testing
