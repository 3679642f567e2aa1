#include "codecs/images/bmp_writer.h"

#include <gtest/gtest.h>

#include <QImage>

#include "tests/image_test_support.h"
#include "tests/test_support.h"

namespace morvane {
namespace {

using namespace testing;

// Widths 1, 2, 3 and 161 need 1, 2, 3 and 1 padding bytes per row.
TEST(BmpWriter, QtReadsTheExactPixelsAndTheHeaderFieldsAddUp) {
  TempFolder folder;
  for (const RgbImage& source : {NoisePicture(1, 3, 1), NoisePicture(2, 2, 2), NoisePicture(3, 5, 3),
                                 NoisePicture(4, 1, 4), CanvasLikePicture(161, 121)}) {
    const std::string path = (folder / "a.bmp").string();
    ASSERT_TRUE(WriteBmp(source.Frame(), path));
    const std::string bytes = ReadWholeFile(path);
    ASSERT_GE(bytes.size(), 54u);
    const auto field = [&](size_t offset, int size) {
      uint32_t value = 0;
      for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | static_cast<uint8_t>(bytes[offset + i]);
      }
      return value;
    };
    const uint32_t imageBytes = (source.Width() * 3 + 3) / 4 * 4 * source.Height();
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(bytes.size(), 54 + imageBytes);
    // (offset, size, value): file size, data offset, info header size, width,
    // height, planes, bits per pixel, no compression, image size.
    for (const auto& [offset, size, value] :
         {std::tuple{2, 4, uint32_t(bytes.size())}, {10, 4, 54u}, {14, 4, 40u}, {18, 4, uint32_t(source.Width())},
          {22, 4, uint32_t(source.Height())}, {26, 2, 1u}, {28, 2, 24u}, {30, 4, 0u}, {34, 4, imageBytes}}) {
      EXPECT_EQ(field(offset, size), value) << "at " << offset;
    }
    ASSERT_TRUE(WriteBmp(Padded(source).Frame, path));
    EXPECT_EQ(ReadWholeFile(path), bytes) << "from four bytes per pixel";

    const QImage read(QString::fromStdString(path), "BMP");
    ASSERT_EQ(read.size(), QSize(source.Width(), source.Height()));
    for (int p = 0; p < source.Width() * source.Height(); ++p) {
      const uint8_t* rgb = source.Row(0) + 3 * p;
      ASSERT_EQ(read.pixel(p % source.Width(), p / source.Width()), qRgb(rgb[0], rgb[1], rgb[2])) << p;
    }
  }
}

}  // namespace
}  // namespace morvane
