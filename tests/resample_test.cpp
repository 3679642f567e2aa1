#include "export/images/resample.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/image_test_support.h"

namespace morvane {
namespace {

using namespace testing;

// The averaging written out pixel by pixel as the export rules state it:
// the fast version must agree to the last byte.
RgbImage ReferenceResample(const RgbImage& source, int width, int height) {
  const double sx = static_cast<double>(source.Width()) / width;
  const double sy = static_cast<double>(source.Height()) / height;
  const double a = static_cast<double>(source.Width()) * source.Height() / width / height;
  const auto weight = [](int i, double left, double right) {
    return i > left && i + 1 < right ? 1 : i + 1 < right ? 1 - (left - i) : i > left ? right - i : right - left;
  };
  RgbImage result(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double left = x * sx, right = (x + 1) * sx - 0.000001;
      const double top = y * sy, bottom = (y + 1) * sy - 0.000001;
      for (int c = 0; c < 3; ++c) {
        double sum = 0;
        for (int j = static_cast<int>(top); j <= static_cast<int>(bottom); ++j) {
          for (int i = static_cast<int>(left); i <= static_cast<int>(right); ++i) {
            sum += weight(i, left, right) * weight(j, top, bottom) * source.Pixel(i, j)[c];
          }
        }
        result.Pixel(x, y)[c] = static_cast<uint8_t>(std::nearbyint(sum / a));
      }
    }
  }
  return result;
}

RgbImage FromRows(int width, int height, std::vector<uint8_t> bytes) {
  RgbImage image(width, height);
  std::copy(bytes.begin(), bytes.end(), image.Row(0));
  return image;
}

TEST(ResampleBitmap, HandComputedAverages) {
  // 8 x 4 to 2 x 1: each output pixel is the mean of a 4 x 4 block. The means
  // 127.5 and 22.5 round down: the far row and column of a block, which hold
  // the larger values here, count only 1 - 1e-6.
  RgbImage blocks(8, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 8; ++x) {
      const int k = y * 4 + x % 4;
      *blocks.Pixel(x, y) = static_cast<uint8_t>(10 * k);
      blocks.Pixel(x, y)[1] = static_cast<uint8_t>(x < 4 ? 200 : 3 * k);
      blocks.Pixel(x, y)[2] = static_cast<uint8_t>(x < 4 ? k % 2 * 255 : 7);
    }
  }
  EXPECT_EQ(ResampleBitmap(blocks.Frame(), 2, 1), FromRows(2, 1, {75, 200, 127, 75, 22, 7}));
  // 3 to 2: the middle pixel counts half for each output pixel, the cell area is 1.5:
  // (30 + 45) / 1.5 = 50, (0 + 127.5) / 1.5 = 85, (200 + 50) / 1.5 = 166.7 and so on.
  const RgbImage row = FromRows(3, 1, {30, 0, 200, 90, 255, 100, 150, 0, 0});
  const RgbImage halves = FromRows(2, 1, {50, 85, 167, 130, 85, 33});
  EXPECT_EQ(ResampleBitmap(row.Frame(), 2, 1), halves);
  EXPECT_EQ(ResampleBitmap(FromRows(1, 3, {30, 0, 200, 90, 255, 100, 150, 0, 0}).Frame(), 1, 2),
            FromRows(1, 2, {50, 85, 167, 130, 85, 33}));
  const RgbImage noise = NoisePicture(37, 23, 5);
  EXPECT_EQ(ResampleBitmap(noise.Frame(), 37, 23), noise);
  EXPECT_EQ(ResampleBitmap(WithFourBytesPerPixel(noise).Frame, 11, 7), ResampleBitmap(noise.Frame(), 11, 7));
}

TEST(ResampleBitmap, AgreesWithTheRuleAtExportSizesAndOddRatios) {
  const RgbImage canvas = NoisePicture(1280, 960, 9);
  for (const auto& [width, height] : {std::pair{320, 240}, {120, 90}, {240, 180}, {333, 251}, {1279, 959}}) {
    EXPECT_EQ(ResampleBitmap(canvas.Frame(), width, height), ReferenceResample(canvas, width, height))
        << width << "x" << height;
  }
  const RgbImage area = CanvasLikePicture(203, 157);
  for (const auto& [width, height] : {std::pair{120, 90}, {640, 480}, {7, 5}}) {
    EXPECT_EQ(ResampleBitmap(area.Frame(), width, height), ReferenceResample(area, width, height))
        << width << "x" << height;
  }
}

TEST(ResampleBitmapDeathTest, EmptySourceStopsTheProgram) {
  EXPECT_DEATH(ResampleBitmap(RgbImage(0, 5).Frame(), 4, 3), "resampled picture has pixels");
}

}  // namespace
}  // namespace morvane
