#include "export/images/bmp_writer.h"

#include <gtest/gtest.h>

#include <QImage>

#include "tests/image_test_support.h"
#include "tests/temp_folder.h"

namespace morvane {
namespace {

using namespace testing;

uint32_t LittleEndianAt(const std::string& bytes, size_t offset, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = value << 8 | static_cast<uint8_t>(bytes[offset + i]);
  }
  return value;
}

// Widths 1, 2, 3 and 5 need 1, 2, 3 and 1 padding bytes per row.
TEST(BmpWriter, QtReadsTheExactPixelsAndTheHeaderFieldsAddUp) {
  TempFolder folder;
  for (const RgbImage& source : {NoisePicture(1, 3, 1), NoisePicture(2, 2, 2), NoisePicture(3, 5, 3),
                                 NoisePicture(4, 1, 4), CanvasLikePicture(161, 121)}) {
    const std::string path = (folder / "a.bmp").string();
    ASSERT_TRUE(WriteBmp(source.Frame(), path));
    const std::string bytes = ReadWholeFile(path);
    const uint32_t rowBytes = (source.Width() * 3 + 3) / 4 * 4;
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(LittleEndianAt(bytes, 2, 4), bytes.size());
    EXPECT_EQ(LittleEndianAt(bytes, 10, 4), 54u);
    EXPECT_EQ(LittleEndianAt(bytes, 14, 4), 40u);
    EXPECT_EQ(LittleEndianAt(bytes, 18, 4), static_cast<uint32_t>(source.Width()));
    EXPECT_EQ(LittleEndianAt(bytes, 22, 4), static_cast<uint32_t>(source.Height()));
    EXPECT_EQ(LittleEndianAt(bytes, 26, 2), 1u);
    EXPECT_EQ(LittleEndianAt(bytes, 28, 2), 24u);
    EXPECT_EQ(LittleEndianAt(bytes, 30, 4), 0u);
    EXPECT_EQ(LittleEndianAt(bytes, 34, 4), rowBytes * source.Height());
    EXPECT_EQ(bytes.size(), 54 + rowBytes * source.Height());

    const QImage read(QString::fromStdString(path), "BMP");
    ASSERT_EQ(read.width(), source.Width());
    ASSERT_EQ(read.height(), source.Height());
    for (int y = 0; y < source.Height(); ++y) {
      for (int x = 0; x < source.Width(); ++x) {
        const uint8_t* rgb = source.Pixel(x, y);
        ASSERT_EQ(read.pixel(x, y), qRgb(rgb[0], rgb[1], rgb[2])) << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace morvane
