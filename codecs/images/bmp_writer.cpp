#include "codecs/images/bmp_writer.h"

#include <array>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "model/output_file.h"

namespace morvane {

namespace {

constexpr uint32_t kFileHeaderBytes = 14;
constexpr uint32_t kInfoHeaderBytes = 40;
constexpr uint32_t kHeaderBytes = kFileHeaderBytes + kInfoHeaderBytes;

using Header = std::array<uint8_t, kHeaderBytes>;

void PutLittleEndian(Header& header, size_t offset, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    header[offset + i] = static_cast<uint8_t>(value >> (8 * i));
  }
}

// Unset fields (reserved words, compression BI_RGB, resolution, palette
// counts) stay 0; a positive height means rows stored bottom-up.
Header MakeHeader(int width, int height, uint32_t imageBytes) {
  Header header{};
  header[0] = 'B';
  header[1] = 'M';
  PutLittleEndian(header, 2, kHeaderBytes + imageBytes, 4);
  PutLittleEndian(header, 10, kHeaderBytes, 4);
  PutLittleEndian(header, 14, kInfoHeaderBytes, 4);
  PutLittleEndian(header, 18, static_cast<uint32_t>(width), 4);
  PutLittleEndian(header, 22, static_cast<uint32_t>(height), 4);
  PutLittleEndian(header, 26, 1, 2);
  PutLittleEndian(header, 28, 24, 2);
  PutLittleEndian(header, 34, imageBytes, 4);
  return header;
}

// Fills the pixels of one file row; the padding bytes after them stay 0.
void ToBgrRow(const RgbFrame& frame, int y, uint8_t* out) {
  const uint8_t* pixel = frame.Row(y);
  for (int x = 0; x < frame.Width; ++x, pixel += frame.PixelBytes, out += 3) {
    out[0] = pixel[2];
    out[1] = pixel[1];
    out[2] = pixel[0];
  }
}

}  // namespace

bool WriteBmp(const RgbFrame& frame, const std::string& path) {
  const uint64_t rowBytes = (static_cast<uint64_t>(frame.Width) * 3 + 3) / 4 * 4;
  const uint64_t imageBytes = rowBytes * static_cast<uint64_t>(frame.Height);
  if (frame.Width <= 0 || frame.Height <= 0 || imageBytes > std::numeric_limits<uint32_t>::max() - kHeaderBytes) {
    return false;
  }
  const std::unique_ptr<OutputFile> file = OutputFile::Open(path);
  if (!file) {
    return false;
  }
  const Header header = MakeHeader(frame.Width, frame.Height, static_cast<uint32_t>(imageBytes));
  if (!file->Write(header.data(), header.size())) {
    return false;
  }
  std::vector<uint8_t> row(rowBytes, 0);
  for (int y = frame.Height - 1; y >= 0; --y) {
    ToBgrRow(frame, y, row.data());
    if (!file->Write(row.data(), row.size())) {
      return false;
    }
  }
  return file->Commit();
}

}  // namespace morvane
