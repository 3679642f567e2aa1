#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvane {

// A picture as the image, movie and print writers take it: rows from top to
// bottom, each pixel red, green, blue (and with 4 bytes per pixel one byte
// more that is ignored). The frame does not own its bytes, so a picture held
// elsewhere (an RgbImage, a QImage in a matching layout) is handed over
// without a copy.
struct RgbFrame {
  int Width = 0;
  int Height = 0;
  // Bytes from the start of one row to the start of the next.
  std::ptrdiff_t Stride = 0;
  // 3, or 4 when every pixel carries an unused fourth byte.
  int PixelBytes = 3;
  const uint8_t* Bytes = nullptr;

  const uint8_t* Row(int y) const { return Bytes + y * Stride; }
  const uint8_t* Pixel(int x, int y) const { return Row(y) + x * PixelBytes; }
};

// An RGB picture that owns its bytes, 3 per pixel, rows without padding.
class RgbImage {
 public:
  RgbImage() = default;
  // Black.
  RgbImage(int width, int height)
      : width_(width), height_(height), bytes_(static_cast<size_t>(width) * static_cast<size_t>(height) * 3) {
    assert(width >= 0 && height >= 0);
  }

  int Width() const { return width_; }
  int Height() const { return height_; }
  uint8_t* Row(int y) { return bytes_.data() + static_cast<std::ptrdiff_t>(y) * width_ * 3; }
  const uint8_t* Row(int y) const { return bytes_.data() + static_cast<std::ptrdiff_t>(y) * width_ * 3; }
  uint8_t* Pixel(int x, int y) { return Row(y) + x * 3; }
  const uint8_t* Pixel(int x, int y) const { return Row(y) + x * 3; }

  RgbFrame Frame() const { return {width_, height_, static_cast<std::ptrdiff_t>(width_) * 3, 3, bytes_.data()}; }

  bool operator==(const RgbImage&) const = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> bytes_;
};

}  // namespace morvane
