#include "codecs/images/resample.h"

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
  for (int p = 0; p < width * height * 3; ++p) {
    const int x = p / 3 % width, y = p / 3 / width;
    const double left = x * sx, right = (x + 1) * sx - 0.000001;
    const double top = y * sy, bottom = (y + 1) * sy - 0.000001;
    double sum = 0;
    for (int j = static_cast<int>(top); j <= static_cast<int>(bottom); ++j) {
      for (int i = static_cast<int>(left); i <= static_cast<int>(right); ++i) {
        sum += weight(i, left, right) * weight(j, top, bottom) * source.Pixel(i, j)[p % 3];
      }
    }
    result.Row(0)[p] = static_cast<uint8_t>(std::nearbyint(sum / a));
  }
  return result;
}

RgbImage Picture(int width, int height, std::vector<uint8_t> bytes) {
  RgbImage image(width, height);
  std::copy(bytes.begin(), bytes.end(), image.Row(0));
  return image;
}

std::vector<uint8_t> Bytes(const RgbImage& image) {
  return {image.Row(0), image.Row(0) + image.Width() * image.Height() * 3};
}

TEST(ResampleBitmap, HandComputedAverages) {
  // 8 x 4 to 2 x 1: each output pixel is the mean of a 4 x 4 block. The means
  // 127.5 and 22.5 round down: the far row and column of a block, which hold
  // the larger values here, count only 1 - 1e-6.
  RgbImage blocks(8, 4);
  for (int p = 0; p < 32; ++p) {
    const int k = p / 8 * 4 + p % 4;
    const bool left = p % 8 < 4;
    std::copy_n(std::array<int, 3>{10 * k, left ? 200 : 3 * k, left ? k % 2 * 255 : 7}.begin(), 3,
                blocks.Pixel(p % 8, p / 8));
  }
  EXPECT_EQ(Bytes(ResampleBitmap(blocks.Frame(), 2, 1)), (std::vector<uint8_t>{75, 200, 127, 75, 22, 7}));
  // 3 to 2, along either axis: the middle pixel counts half for each output
  // pixel and the cell area is 1.5: (30 + 45) / 1.5 = 50, (200 + 50) / 1.5 = 166.7 ...
  const std::vector<uint8_t> three = {30, 0, 200, 90, 255, 100, 150, 0, 0};
  const std::vector<uint8_t> two = {50, 85, 167, 130, 85, 33};
  EXPECT_EQ(Bytes(ResampleBitmap(Picture(3, 1, three).Frame(), 2, 1)), two);
  EXPECT_EQ(Bytes(ResampleBitmap(Picture(1, 3, three).Frame(), 1, 2)), two);
  const RgbImage noise = NoisePicture(37, 23, 5);
  EXPECT_EQ(Bytes(ResampleBitmap(noise.Frame(), 37, 23)), Bytes(noise));
  EXPECT_EQ(Bytes(ResampleBitmap(Padded(noise).Frame, 11, 7)), Bytes(ResampleBitmap(noise.Frame(), 11, 7)));
  EXPECT_DEATH(ResampleBitmap(RgbImage(0, 5).Frame(), 4, 3), "resampled picture has pixels");
}

TEST(ResampleBitmap, AgreesWithTheRuleAtExportSizesAndOddRatios) {
  const RgbImage canvas = NoisePicture(1280, 960, 9);
  const RgbImage area = CanvasLikePicture(203, 157);
  for (const auto& [source, width, height] :
       {std::tuple{&canvas, 320, 240}, {&canvas, 120, 90}, {&canvas, 240, 180}, {&canvas, 333, 251},
        {&canvas, 1279, 959}, {&area, 120, 90}, {&area, 640, 480}, {&area, 7, 5}}) {
    EXPECT_TRUE(ResampleBitmap(source->Frame(), width, height) == ReferenceResample(*source, width, height))
        << width << "x" << height;
  }
}

}  // namespace
}  // namespace morvane
