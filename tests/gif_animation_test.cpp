#include "export/images/gif_animation.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/image_test_support.h"
#include "tests/temp_folder.h"

namespace morvane {
namespace {

using namespace testing;

// Frame i shows the canvas picture moved i pixels to the right, so every
// image differs from the one before, and a corner pixel whose colour only
// some frames use.
RgbImage MovedCanvas(int width, int height, int shift) {
  const RgbImage wide = CanvasLikePicture(width + 24, height);
  RgbImage frame(width, height);
  for (int y = 0; y < height; ++y) {
    std::copy_n(wide.Pixel(shift, y), width * 3, frame.Row(y));
  }
  frame.Pixel(0, 0)[1] = static_cast<uint8_t>(10 * shift);
  return frame;
}

TEST(GifAnimation, TwentyFourLoopingFramesOfThirtyHundredthsWrittenOnlyWhenFinished) {
  TempFolder folder;
  const std::string path = (folder / "turn.gif").string();
  GifAnimation animation(path);
  std::vector<RgbImage> frames;
  for (int i = 0; i < 24; ++i) {
    frames.push_back(MovedCanvas(120, 90, i));
    animation.AddFrame(frames.back().Frame());
    EXPECT_EQ(folder.EntryCount(), 0u) << "written before the end";
  }
  ASSERT_TRUE(animation.Finish());

  const std::string bytes = ReadWholeFile(path);
  EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
  const std::string loop("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
  EXPECT_NE(bytes.find(loop), std::string::npos);
  EXPECT_EQ(bytes.find(loop), bytes.rfind(loop)) << "the loop extension appears twice";
  const auto gif = SlurpGif(path);
  ASSERT_TRUE(gif);
  ASSERT_EQ(gif->ImageCount, 24);
  for (int i = 0; i < 24; ++i) {
    GraphicsControlBlock control{};
    ASSERT_EQ(DGifSavedExtensionToGCB(gif.get(), i, &control), GIF_OK);
    EXPECT_EQ(control.DelayTime, 30);
    EXPECT_EQ(control.TransparentColor, NO_TRANSPARENT_COLOR);
    EXPECT_EQ(control.DisposalMode, DISPOSAL_UNSPECIFIED);
    const ColorMapObject* map = gif->SavedImages[i].ImageDesc.ColorMap ? gif->SavedImages[i].ImageDesc.ColorMap
                                                                        : gif->SColorMap;
    for (int p = 0; p < 120 * 90; ++p) {
      const GifColorType colour = map->Colors[gif->SavedImages[i].RasterBits[p]];
      ASSERT_EQ((std::array<uint8_t, 3>{colour.Red, colour.Green, colour.Blue}),
                NearestPaletteColour(frames[i].Pixel(p % 120, p / 120)))
          << "frame " << i << " pixel " << p;
    }
  }
  EXPECT_EQ(Probe(path, "width,height,nb_read_frames", true), "120,90,24");
}

TEST(GifAnimation, AbandonedOrEmptyWritesNothing) {
  TempFolder folder;
  {
    GifAnimation animation((folder / "stopped.gif").string());
    animation.AddFrame(MovedCanvas(120, 90, 0).Frame());
  }
  EXPECT_FALSE(GifAnimation((folder / "empty.gif").string()).Finish());
  EXPECT_EQ(folder.EntryCount(), 0u);
}

}  // namespace
}  // namespace morvane
