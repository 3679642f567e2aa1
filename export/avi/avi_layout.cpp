#include "export/avi/avi_layout.h"

#include <algorithm>
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

void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint64_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, (value >> 16) & 0xFFFF);
}

std::string Chunk(std::string_view tag, std::string_view body) {
  std::string out(tag);
  Put32(out, body.size());
  out += body;
  if (body.size() % 2 != 0) {
    out += '\0';
  }
  return out;
}

std::string List(std::string_view type, std::string_view body) { return Chunk("LIST", std::string(type) + std::string(body)); }

uint32_t ClampTo32(uint64_t value) { return static_cast<uint32_t>(std::min<uint64_t>(value, UINT32_MAX)); }

std::string MainHeader(const AviFormat& format, uint32_t frameCount) {
  const uint64_t frameBytes = FrameBytes(format);
  const uint32_t rate = static_cast<uint32_t>(format.FrameRate);
  std::string out;
  Put32(out, (1000000 + rate / 2) / rate);
  Put32(out, ClampTo32(frameBytes * rate));
  Put32(out, 0);
  Put32(out, kHasIndex);
  Put32(out, frameCount);
  Put32(out, 0);
  Put32(out, 1);
  Put32(out, ClampTo32(frameBytes));
  Put32(out, format.Width);
  Put32(out, format.Height);
  out.append(16, '\0');
  return out;
}

std::string StreamHeader(const AviFormat& format, uint32_t frameCount) {
  std::string out("vids");
  out.append(4, '\0');
  Put32(out, 0);
  Put16(out, 0);
  Put16(out, 0);
  Put32(out, 0);
  Put32(out, 1);
  Put32(out, static_cast<uint32_t>(format.FrameRate));
  Put32(out, 0);
  Put32(out, frameCount);
  Put32(out, ClampTo32(FrameBytes(format)));
  Put32(out, kFullQuality);
  // Zero: every chunk is one whole frame.
  Put32(out, 0);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, format.Width);
  Put16(out, format.Height);
  return out;
}

// A positive height means the rows are stored bottom-up.
std::string BitmapInfo(const AviFormat& format) {
  std::string out;
  Put32(out, kBitmapInfoBytes);
  Put32(out, format.Width);
  Put32(out, format.Height);
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(format.BitDepth));
  Put32(out, kNoCompression);
  out.append(20, '\0');
  return out;
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
  std::string out("RIFF");
  Put32(out, RiffBytes(format, frameCount));
  out += "AVI ";
  out += HeaderList(format, frameCount);
  out += "LIST";
  Put32(out, MoviBytes(format, frameCount));
  out += "movi";
  return out;
}

std::string FrameChunkHeader(const AviFormat& format) {
  std::string out(kFrameTag);
  Put32(out, FrameBytes(format));
  return out;
}

std::string AviIndex(const AviFormat& format, uint32_t frameCount) {
  std::string entries;
  const uint64_t step = kChunkHeaderBytes + FrameBytes(format);
  for (uint32_t i = 0; i < frameCount; ++i) {
    entries += kFrameTag;
    Put32(entries, kKeyFrame);
    // Offsets count from the 'movi' tag, whose four bytes come first.
    Put32(entries, 4 + i * step);
    Put32(entries, FrameBytes(format));
  }
  return Chunk("idx1", entries);
}

}  // namespace morvane
