#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <set>

#include "codecs/images/bmp_writer.h"
#include "codecs/images/gif_animation.h"
#include "codecs/images/gif_writer.h"
#include "codecs/images/jpeg_writer.h"
#include "model/output_file.h"
#include "tests/image_test_support.h"
#include "tests/test_support.h"

namespace morvane {
namespace {

using namespace testing;

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
  EXPECT_LE(MeanAbsoluteError(decoded.Frame(), source.Frame()), 2.0);
  ASSERT_TRUE(WriteJpeg(Padded(source).Frame, (folder / "b.jpg").string()));
  EXPECT_EQ(ReadWholeFile((folder / "b.jpg").string()), ReadWholeFile(path)) << "from four bytes per pixel";

  // Wider than libjpeg allows: its error comes back as a failure.
  EXPECT_FALSE(WriteJpeg(RgbImage(70000, 1).Frame(), (folder / "wide.jpg").string()));
  EXPECT_EQ(folder.EntryCount(), 2u);
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
    EXPECT_EQ(OffPalettePixels(gif.get(), 0, source.Frame()), 0);
    const std::set<int> used(gif->SavedImages[0].RasterBits,
                             gif->SavedImages[0].RasterBits + source.Width() * source.Height());
    EXPECT_EQ(gif->SColorMap->ColorCount, static_cast<int>(std::bit_ceil(std::max<size_t>(used.size(), 2))));
    EXPECT_LT(*used.rbegin(), static_cast<int>(used.size())) << "entries no pixel uses";
    const std::string bytes = ReadWholeFile(path);
    ASSERT_TRUE(WriteGif(Padded(source).Frame, path));
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
    EXPECT_EQ(std::tuple(control.DelayTime, control.TransparentColor, control.DisposalMode),
              std::tuple(30, NO_TRANSPARENT_COLOR, DISPOSAL_UNSPECIFIED));
    EXPECT_EQ(OffPalettePixels(gif.get(), i, frames[i].Frame()), 0) << "frame " << i;
  }

  { GifAnimation((folder / "stopped.gif").string()).AddFrame(frames[0].Frame()); }
  EXPECT_FALSE(GifAnimation((folder / "empty.gif").string()).Finish());
  EXPECT_EQ(folder.EntryCount(), 1u) << "an abandoned or empty animation wrote a file";
}

// Each kind fails part-way under a file-size limit and at once in a missing
// folder, leaving the file it would have replaced and no temporary.
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
    std::filesystem::remove(path);
  }
}

}  // namespace
}  // namespace morvane
