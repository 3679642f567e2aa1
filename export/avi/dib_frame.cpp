#include "export/avi/dib_frame.h"

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

}  // namespace

uint64_t DibRowBytes(const AviFormat& format) {
  return (uint64_t{format.Width} * static_cast<uint64_t>(format.BitDepth / 8) + 3) / 4 * 4;
}

void DrawDibFrame(const RgbFrame& frame, const AviFormat& format, uint8_t* out) {
  if (frame.Width <= 0 || frame.Height <= 0 || frame.Bytes == nullptr) {
    return;
  }
  std::vector<std::ptrdiff_t> columns(format.Width);
  for (int x = 0; x < format.Width; ++x) {
    columns[x] = static_cast<std::ptrdiff_t>(NearestSource(x, format.Width, frame.Width)) * frame.PixelBytes;
  }
  const int pixelBytes = format.BitDepth / 8;
  const auto put = format.BitDepth == 24 ? PutBgr : Put555;
  const uint64_t rowBytes = DibRowBytes(format);
  for (int y = 0; y < format.Height; ++y) {
    const uint8_t* source = frame.Row(NearestSource(y, format.Height, frame.Height));
    uint8_t* target = out + (format.Height - 1 - y) * rowBytes;
    for (int x = 0; x < format.Width; ++x) {
      put(source + columns[x], target + x * pixelBytes);
    }
  }
}

}  // namespace morvane
