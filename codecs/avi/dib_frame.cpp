#include "codecs/avi/dib_frame.h"

#include <vector>

namespace morvane {

namespace {

// The source index whose pixel centre lies nearest the centre of target
// pixel `i`; the identity when both sizes agree.
int NearestSource(int i, int targetSize, int sourceSize) {
  return static_cast<int>((int64_t{2} * i + 1) * sourceSize / (int64_t{2} * targetSize));
}

void Put555(const uint8_t* rgb, uint8_t* out) {
  const unsigned value = (rgb[0] >> 3) << 10 | (rgb[1] >> 3) << 5 | rgb[2] >> 3;
  out[0] = static_cast<uint8_t>(value & 0xFF);
  out[1] = static_cast<uint8_t>(value >> 8);
}

void PutBgr(const uint8_t* rgb, uint8_t* out) {
  out[0] = rgb[2];
  out[1] = rgb[1];
  out[2] = rgb[0];
}

// Rows are padded to whole groups of four bytes, as decoders read a bitmap of
// this width. FrameBytes, which rounds the width in pixels instead, is never
// smaller, so with some widths a few bytes are left over at the end.
uint64_t DibRowBytes(const AviFormat& format) {
  return (uint64_t{format.Width} * static_cast<uint64_t>(format.BitDepth / 8) + 3) / 4 * 4;
}

// One instance per pixel layout, so that the pixel writer is inlined into
// the loop over a row.
template <void (*Put)(const uint8_t*, uint8_t*), int kPixelBytes>
void DrawRows(const RgbFrame& frame, const AviFormat& format, uint8_t* out) {
  std::vector<std::ptrdiff_t> columns(format.Width);
  for (int x = 0; x < format.Width; ++x) {
    columns[x] = static_cast<std::ptrdiff_t>(NearestSource(x, format.Width, frame.Width)) * frame.PixelBytes;
  }
  const uint64_t rowBytes = DibRowBytes(format);
  for (int y = 0; y < format.Height; ++y) {
    const uint8_t* source = frame.Row(NearestSource(y, format.Height, frame.Height));
    uint8_t* target = out + (format.Height - 1 - y) * rowBytes;
    for (int x = 0; x < format.Width; ++x) {
      Put(source + columns[x], target + x * kPixelBytes);
    }
  }
}

}  // namespace

void DrawDibFrame(const RgbFrame& frame, const AviFormat& format, uint8_t* out) {
  if (frame.Width <= 0 || frame.Height <= 0 || frame.Bytes == nullptr) {
    return;
  }
  if (format.BitDepth == 24) {
    DrawRows<PutBgr, 3>(frame, format, out);
  } else {
    DrawRows<Put555, 2>(frame, format, out);
  }
}

}  // namespace morvane
