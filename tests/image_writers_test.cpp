#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <set>

#include "export/images/bmp_writer.h"
#include "export/images/gif_animation.h"
#include "export/images/gif_writer.h"
#include "export/images/jpeg_writer.h"
#include "model/output_file.h"
#include "tests/image_test_support.h"
#include "tests/temp_folder.h"

namespace morvane {
namespace {

using namespace testing;

TEST(JpegWriter, BaselineFullChromaQuality100CloseToTheSource) {
  TempFolder folder;
  const RgbImage source = CanvasLikePicture(643, 481);
  const std::string path = (folder / "a.jpg").string();
  ASSERT_TRUE(WriteJpeg(source.Frame(), path));

  const DecodedJpeg decoded = DecodeJpeg(path);
  EXPECT_EQ(decoded.StartOfFrame, 0xC0);
  EXPECT_TRUE(decoded.FullChroma);
  EXPECT_TRUE(decoded.UnitQuantisers);
  ASSERT_EQ(decoded.Picture.Width(), 643);
  ASSERT_EQ(decoded.Picture.Height(), 481);
  double error = 0;
  for (int y = 0; y < 481; ++y) {
    for (int x = 0; x < 643 * 3; ++x) {
      error += std::abs(decoded.Picture.Row(y)[x] - source.Row(y)[x]);
    }
  }
  EXPECT_LE(error / (643 * 481 * 3), 2.0);

  // libjpeg's error (the width is beyond its limit) comes back as a failure.
  const RgbImage tooWide(70000, 1);
  EXPECT_FALSE(WriteJpeg(tooWide.Frame(), (folder / "wide.jpg").string()));
  EXPECT_EQ(folder.EntryCount(), 1u);
}

// Canvas colours use a few table entries, noise nearly all 216.
TEST(GifWriter, DecodesToThePaletteColoursWithATableOfTheUsedOnes) {
  TempFolder folder;
  for (const RgbImage& source : {CanvasLikePicture(161, 121), NoisePicture(64, 48, 7)}) {
    const std::string path = (folder / "a.gif").string();
    ASSERT_TRUE(WriteGif(source.Frame(), path));
    EXPECT_EQ(ReadWholeFile(path).substr(0, 6), "GIF89a");
    const auto gif = SlurpGif(path);
    ASSERT_TRUE(gif);
    ASSERT_EQ(gif->ImageCount, 1);
    ASSERT_TRUE(gif->SColorMap);
    const SavedImage& image = gif->SavedImages[0];
    ASSERT_EQ(image.ImageDesc.Width, source.Width());
    ASSERT_EQ(image.ImageDesc.Height, source.Height());
    std::set<int> used;
    for (int y = 0; y < source.Height(); ++y) {
      for (int x = 0; x < source.Width(); ++x) {
        const int entry = image.RasterBits[y * source.Width() + x];
        used.insert(entry);
        const GifColorType colour = gif->SColorMap->Colors[entry];
        ASSERT_EQ((std::array<uint8_t, 3>{colour.Red, colour.Green, colour.Blue}),
                  NearestPaletteColour(source.Pixel(x, y)))
            << x << "," << y;
      }
    }
    EXPECT_EQ(gif->SColorMap->ColorCount, static_cast<int>(std::bit_ceil(std::max<size_t>(used.size(), 2))));
    EXPECT_LT(*used.rbegin(), static_cast<int>(used.size())) << "entries the picture does not use";
  }
}

TEST(ImageWriters, FourBytesPerPixelAndPaddedRowsWriteTheSameFiles) {
  TempFolder folder;
  const RgbImage source = NoisePicture(37, 11, 3);
  const PaddedCopy padded = WithFourBytesPerPixel(source);
  for (const auto write : {WriteJpeg, WriteBmp, WriteGif}) {
    ASSERT_TRUE(write(source.Frame(), (folder / "packed").string()));
    ASSERT_TRUE(write(padded.Frame, (folder / "padded").string()));
    EXPECT_EQ(ReadWholeFile((folder / "packed").string()), ReadWholeFile((folder / "padded").string()));
  }
}

// Each kind fails part-way under a file-size limit and at once in a missing
// folder, leaving the file it would have replaced and no temporary; without
// the limit ffprobe reads the size back.
TEST(ImageWriters, FailedWritesKeepTheOldFileAndLeaveNoTemporary) {
  TempFolder folder;
  const RgbImage source = NoisePicture(160, 120, 11);
  const std::vector<std::pair<std::string, std::function<bool(const std::string&)>>> writers = {
      {"a.jpg", [&](const std::string& path) { return WriteJpeg(source.Frame(), path); }},
      {"a.bmp", [&](const std::string& path) { return WriteBmp(source.Frame(), path); }},
      {"a.gif", [&](const std::string& path) { return WriteGif(source.Frame(), path); }},
      {"b.gif", [&](const std::string& path) {
         GifAnimation animation(path);
         animation.AddFrame(source.Frame());
         animation.AddFrame(NoisePicture(160, 120, 12).Frame());
         return animation.Finish();
       }}};
  for (const auto& [name, write] : writers) {
    const std::string path = (folder / name).string();
    ASSERT_TRUE(WriteWholeFile(path, "old content"));
    {
      const FileSizeLimit limit(2000);
      EXPECT_FALSE(write(path)) << name;
    }
    EXPECT_EQ(ReadWholeFile(path), "old content") << name;
    EXPECT_FALSE(write((folder / "missing" / name).string())) << name;
    EXPECT_EQ(folder.EntryCount(), 1u) << name << ": a temporary was left behind";
    ASSERT_TRUE(write(path)) << name;
    EXPECT_EQ(Probe(path, "width,height"), "160,120") << name;
    std::filesystem::remove(path);
  }
}

}  // namespace
}  // namespace morvane
