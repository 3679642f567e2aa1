#include "codecs/avi/avi_layout.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <string_view>

namespace morvane {

namespace {

// Readers that keep sizes and offsets in signed 32-bit integers stop at 2 GiB,
// so the RIFF chunk stays below that even though its size field could hold 4.
constexpr uint64_t kMaxRiffBytes = std::numeric_limits<int32_t>::max();

constexpr uint32_t kHasIndex = 0x10;
constexpr uint32_t kKeyFrame = 0x10;
constexpr uint32_t kFullQuality = 10000;
constexpr uint32_t kIndexEntryBytes = 16;
constexpr uint32_t kChunkHeaderBytes = 8;
// Uncompressed bitmaps, no palette.
constexpr uint32_t kBitmapInfoBytes = 40;
constexpr uint32_t kNoCompression = 0;
constexpr std::string_view kFrameTag = "00db";
constexpr std::string_view kStreamName{"VIDEO", 6};

// Each value as `bytes` little-endian bytes.
std::string LittleEndian(std::initializer_list<uint64_t> values, int bytes = 4) {
  std::string out;
  for (const uint64_t value : values) {
    for (int i = 0; i < bytes; ++i) {
      out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
  }
  return out;
}

// Every body written here has an even size, so no chunk needs RIFF's pad byte.
std::string Chunk(std::string_view tag, std::string_view body) {
  return std::string(tag) + LittleEndian({body.size()}) + std::string(body);
}

std::string List(std::string_view type, std::string_view body) {
  return Chunk("LIST", std::string(type) + std::string(body));
}

std::string MainHeader(const AviFormat& format, uint32_t frameCount) {
  const uint64_t frameBytes = FrameBytes(format);
  const uint64_t rate = static_cast<uint64_t>(format.FrameRate);
  const uint64_t bytesPerSecond = std::min<uint64_t>(frameBytes * rate, UINT32_MAX);
  // Microseconds per frame, bytes per second, padding granularity, flags,
  // frames, initial frames, streams, suggested buffer size, width, height,
  // four reserved.
  return LittleEndian({(1000000 + rate / 2) / rate, bytesPerSecond, 0, kHasIndex, frameCount, 0, 1, frameBytes,
                       format.Width, format.Height, 0, 0, 0, 0});
}

std::string StreamHeader(const AviFormat& format, uint32_t frameCount) {
  // Handler (none), flags, priority and language, initial frames, scale,
  // rate, start, length, suggested buffer size, quality, sample size (0:
  // every chunk is one whole frame); then the frame rectangle.
  return "vids" +
         LittleEndian({0, 0, 0, 0, 1, static_cast<uint64_t>(format.FrameRate), 0, frameCount, FrameBytes(format),
                       kFullQuality, 0}) +
         LittleEndian({0, 0, format.Width, format.Height}, 2);
}

// A positive height means the rows are stored bottom-up.
std::string BitmapInfo(const AviFormat& format) {
  // Size, width, height, planes, bits per pixel, compression, image size,
  // horizontal and vertical resolution, colours used and important.
  return LittleEndian({kBitmapInfoBytes, format.Width, format.Height}) +
         LittleEndian({1, static_cast<uint64_t>(format.BitDepth)}, 2) +
         LittleEndian({kNoCompression, 0, 0, 0, 0, 0});
}

std::string HeaderList(const AviFormat& format, uint32_t frameCount) {
  const std::string stream = Chunk("strh", StreamHeader(format, frameCount)) + Chunk("strf", BitmapInfo(format)) +
                             Chunk("strn", kStreamName);
  return List("hdrl", Chunk("avih", MainHeader(format, frameCount)) + List("strl", stream));
}

uint64_t MoviBytes(const AviFormat& format, uint64_t frameCount) {
  return 4 + frameCount * (kChunkHeaderBytes + FrameBytes(format));
}

uint64_t RiffBytes(const AviFormat& format, uint64_t frameCount) {
  return 4 + HeaderList(format, 0).size() + kChunkHeaderBytes + MoviBytes(format, frameCount) + kChunkHeaderBytes +
         frameCount * kIndexEntryBytes;
}

}  // namespace

uint64_t FrameBytes(const AviFormat& format) {
  const uint64_t roundedWidth = (uint64_t{format.Width} + 3) / 4 * 4;
  return roundedWidth * format.Height * static_cast<uint64_t>(format.BitDepth / 8);
}

uint32_t FramesThatFit(const AviFormat& format) {
  const uint64_t empty = RiffBytes(format, 0);
  const uint64_t perFrame = RiffBytes(format, 1) - empty;
  if (FrameBytes(format) == 0 || empty + perFrame > kMaxRiffBytes) {
    return 0;
  }
  return static_cast<uint32_t>((kMaxRiffBytes - empty) / perFrame);
}

std::string AviHeader(const AviFormat& format, uint32_t frameCount) {
  return "RIFF" + LittleEndian({RiffBytes(format, frameCount)}) + "AVI " + HeaderList(format, frameCount) + "LIST" +
         LittleEndian({MoviBytes(format, frameCount)}) + "movi";
}

std::string FrameChunkHeader(const AviFormat& format) {
  return std::string(kFrameTag) + LittleEndian({FrameBytes(format)});
}

std::string AviIndex(const AviFormat& format, uint32_t frameCount) {
  std::string entries;
  const uint64_t step = kChunkHeaderBytes + FrameBytes(format);
  for (uint32_t i = 0; i < frameCount; ++i) {
    // Offsets count from the 'movi' tag, whose four bytes come first.
    entries += std::string(kFrameTag) + LittleEndian({kKeyFrame, 4 + i * step, FrameBytes(format)});
  }
  return Chunk("idx1", entries);
}

}  // namespace morvane
