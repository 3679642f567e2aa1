#include "codecs/mpeg/mpeg_image.h"

#include <algorithm>
#include <cstring>

#include "codecs/mpeg/mpeg_kernels.h"

namespace morvane::mpeg {

namespace {

int PaddedSize(int size) { return (size + 15) / 16 * 16; }

void ConvertLuminance(const RgbFrame& frame, int pixelBytes, TImageBW& plane) {
  for (int y = 0; y < frame.Height; ++y) {
    kernels::LuminanceRow(frame.Row(y), pixelBytes, frame.Width, plane.Row(y));
  }
}

template <int kPixelBytes>
void ConvertColour(const RgbFrame& frame, TImageBW& cb, TImageBW& cr) {
  // Only a frame one pixel wide lacks the right-hand pixel of a pair.
  const int right = frame.Width > 1 ? kPixelBytes : 0;
  for (int cy = 0; cy < cb.Height; ++cy) {
    const uint8_t* pixel = frame.Row(2 * cy);
    uint8_t* cbRow = cb.Row(cy);
    uint8_t* crRow = cr.Row(cy);
    for (int cx = 0; cx < cb.Width; ++cx, pixel += 2 * kPixelBytes) {
      const int r = (pixel[0] + pixel[right]) / 2;
      const int g = (pixel[1] + pixel[right + 1]) / 2;
      const int b = (pixel[2] + pixel[right + 2]) / 2;
      cbRow[cx] = static_cast<uint8_t>((-21 * r - 42 * g + 63 * b) / 128 + 128);
      crRow[cx] = static_cast<uint8_t>((63 * r - 53 * g - 10 * b) / 128 + 128);
    }
  }
}

template <int kPixelBytes>
void Convert(const RgbFrame& frame, TMpegImage& image) {
  ConvertLuminance(frame, kPixelBytes, image.Y);
  ConvertColour<kPixelBytes>(frame, image.Cb, image.Cr);
}

}  // namespace

void TImageBW::Resize(int width, int height, int paddedWidth, int paddedHeight) {
  Width = width;
  Height = height;
  PaddedWidth = paddedWidth;
  PaddedHeight = paddedHeight;
  Samples.assign(static_cast<size_t>(paddedWidth) * static_cast<size_t>(paddedHeight), 0);
}

void TImageBW::RepeatEdges() {
  for (int y = 0; y < Height; ++y) {
    uint8_t* row = Row(y);
    std::fill(row + Width, row + PaddedWidth, row[Width - 1]);
  }
  for (int y = Height; y < PaddedHeight; ++y) {
    std::memcpy(Row(y), Row(Height - 1), static_cast<size_t>(PaddedWidth));
  }
}

void TMpegImage::Resize(int width, int height) {
  const int paddedWidth = PaddedSize(width);
  const int paddedHeight = PaddedSize(height);
  Y.Resize(width, height, paddedWidth, paddedHeight);
  const int colourWidth = std::max(1, width / 2);
  const int colourHeight = std::max(1, height / 2);
  Cb.Resize(colourWidth, colourHeight, paddedWidth / 2, paddedHeight / 2);
  Cr.Resize(colourWidth, colourHeight, paddedWidth / 2, paddedHeight / 2);
}

void ConvertFrame(const RgbFrame& frame, TMpegImage& image) {
  if (frame.PixelBytes == 4) {
    Convert<4>(frame, image);
  } else {
    Convert<3>(frame, image);
  }
  image.Y.RepeatEdges();
  image.Cb.RepeatEdges();
  image.Cr.RepeatEdges();
}

}  // namespace morvane::mpeg
