#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <functional>
#include <set>

#include "export/images/bmp_writer.h"
#include "export/images/gif_animation.h"
#include "export/images/gif_writer.h"
#include "export/images/jpeg_writer.h"
#include "model/output_file.h"
#include "tests/image_test_support.h"
#include "tests/test_support.h"

namespace morvane {
namespace {

using namespace testing;

// Checks every pixel of one decoded GIF image against the nearest colour of
// six levels per channel; returns the colour table entries it uses.
std::set<int> ExpectPaletteColours(const GifFileType& gif, int image, const RgbImage& source) {
  std::set<int> used;
  for (int p = 0; p < source.Width() * source.Height(); ++p) {
    const int entry = gif.SavedImages[image].RasterBits[p];
    const GifColorType colour = gif.SColorMap->Colors[entry];
    const uint8_t* rgb = source.Row(0) + 3 * p;
    const auto level = [](uint8_t value) { return static_cast<GifByteType>(std::lround(value / 51.0) * 51); };
    EXPECT_EQ((std::array{colour.Red, colour.Green, colour.Blue}), (std::array{level(rgb[0]), level(rgb[1]), level(rgb[2])}))
        << "image " << image << " pixel " << p;
    used.insert(entry);
  }
  return used;
}

TEST(JpegWriter, BaselineFullChromaQuality100CloseToTheSourceAndLibjpegErrorsReturned) {
  TempFolder folder;
  const RgbImage source = CanvasLikePicture(643, 481);
  const std::string path = (folder / "a.jpg").string();
  ASSERT_TRUE(WriteJpeg(source.Frame(), path));
  EXPECT_EQ(Probe(path, "profile,width,height,pix_fmt"), "Baseline,643,481,yuvj444p");
  bool unitQuantisers = false;
  const RgbImage decoded = DecodeJpeg(path, unitQuantisers);
  EXPECT_TRUE(unitQuantisers);
  ASSERT_EQ(decoded.Frame().Stride, source.Frame().Stride);
  double error = 0;
  for (int n = 0; n < 643 * 481 * 3; ++n) {
    error += std::abs(decoded.Row(0)[n] - source.Row(0)[n]);
  }
  EXPECT_LE(error / (643 * 481 * 3), 2.0);
  ASSERT_TRUE(WriteJpeg(WithFourBytesPerPixel(source).Frame, (folder / "b.jpg").string()));
  EXPECT_EQ(ReadWholeFile((folder / "b.jpg").string()), ReadWholeFile(path)) << "from four bytes per pixel";
  std::filesystem::remove(folder / "b.jpg");

  // Wider than libjpeg allows: its error comes back as a failure.
  EXPECT_FALSE(WriteJpeg(RgbImage(70000, 1).Frame(), (folder / "wide.jpg").string()));
  EXPECT_EQ(folder.EntryCount(), 1u);
}

// Canvas colours fill a few table entries, noise nearly all 216.
TEST(GifWriter, DecodesToThePaletteColoursWithATableOfTheUsedOnes) {
  TempFolder folder;
  for (const RgbImage& source : {CanvasLikePicture(161, 121), NoisePicture(64, 48, 7)}) {
    const std::string path = (folder / "a.gif").string();
    ASSERT_TRUE(WriteGif(source.Frame(), path));
    EXPECT_EQ(ReadWholeFile(path).substr(0, 6), "GIF89a");
    const auto gif = SlurpGif(path);
    ASSERT_TRUE(gif && gif->ImageCount == 1 && gif->SColorMap);
    ASSERT_EQ(std::pair(gif->SavedImages[0].ImageDesc.Width, gif->SavedImages[0].ImageDesc.Height),
              std::pair(source.Width(), source.Height()));
    const std::set<int> used = ExpectPaletteColours(*gif, 0, source);
    EXPECT_EQ(gif->SColorMap->ColorCount, static_cast<int>(std::bit_ceil(std::max<size_t>(used.size(), 2))));
    EXPECT_LT(*used.rbegin(), static_cast<int>(used.size())) << "entries no pixel uses";
    const std::string bytes = ReadWholeFile(path);
    ASSERT_TRUE(WriteGif(WithFourBytesPerPixel(source).Frame, path));
    EXPECT_EQ(ReadWholeFile(path), bytes) << "from four bytes per pixel";
  }
}

// Frame i has a corner colour of its own, so the one colour table must
// gather the colours of every frame.
TEST(GifAnimation, TwentyFourLoopingFramesOfThirtyHundredthsWrittenOnlyWhenFinished) {
  TempFolder folder;
  GifAnimation animation((folder / "turn.gif").string());
  std::vector<RgbImage> frames;
  for (int i = 0; i < 24; ++i) {
    frames.push_back(CanvasLikePicture(120, 90));
    frames.back().Row(0)[1] = static_cast<uint8_t>(10 * i);
    animation.AddFrame(frames.back().Frame());
  }
  EXPECT_EQ(folder.EntryCount(), 0u) << "written before the end";
  ASSERT_TRUE(animation.Finish());

  const std::string bytes = ReadWholeFile((folder / "turn.gif").string());
  const std::string loop("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
  EXPECT_NE(bytes.find(loop), std::string::npos);
  EXPECT_EQ(bytes.find(loop), bytes.rfind(loop)) << "the loop extension appears twice";
  const auto gif = SlurpGif((folder / "turn.gif").string());
  ASSERT_TRUE(gif && gif->ImageCount == 24 && gif->SColorMap);
  for (int i = 0; i < 24; ++i) {
    GraphicsControlBlock control{};
    ASSERT_EQ(DGifSavedExtensionToGCB(gif.get(), i, &control), GIF_OK);
    EXPECT_EQ(control.DelayTime, 30);
    EXPECT_EQ(control.TransparentColor, NO_TRANSPARENT_COLOR);
    EXPECT_EQ(control.DisposalMode, DISPOSAL_UNSPECIFIED);
    ExpectPaletteColours(*gif, i, frames[i]);
  }
  EXPECT_EQ(Probe((folder / "turn.gif").string(), "width,height,nb_read_frames", "-count_frames"), "120,90,24");

  { GifAnimation((folder / "stopped.gif").string()).AddFrame(frames[0].Frame()); }
  EXPECT_FALSE(GifAnimation((folder / "empty.gif").string()).Finish());
  EXPECT_EQ(folder.EntryCount(), 1u) << "an abandoned or empty animation wrote a file";
}

// Each kind fails part-way under a file-size limit and at once in a missing
// folder, leaving the file it would have replaced and no temporary; without
// the limit ffprobe reads the size back.
TEST(ImageWriters, FailedWritesKeepTheOldFileAndLeaveNoTemporary) {
  TempFolder folder;
  const RgbImage source = NoisePicture(160, 120, 11);
  const std::pair<std::string, std::function<bool(const std::string&)>> writers[] = {
      {"a.jpg", [&](const std::string& path) { return WriteJpeg(source.Frame(), path); }},
      {"a.bmp", [&](const std::string& path) { return WriteBmp(source.Frame(), path); }},
      {"a.gif", [&](const std::string& path) { return WriteGif(source.Frame(), path); }},
      {"b.gif", [&](const std::string& path) {
         GifAnimation animation(path);
         animation.AddFrame(source.Frame());
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
