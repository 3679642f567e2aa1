#include "codecs/images/gif_palette.h"

#include <algorithm>
#include <bit>

namespace morvane {

namespace {

constexpr int kLevels = 6;
constexpr int kLevelStep = 51;

// The nearest level of each channel value. The levels are 51 apart, an odd
// step, so no value lies halfway between two.
constexpr std::array<uint8_t, 256> MakeNearestLevels() {
  std::array<uint8_t, 256> levels{};
  for (int value = 0; value < 256; ++value) {
    levels[value] = static_cast<uint8_t>((value + kLevelStep / 2) / kLevelStep);
  }
  return levels;
}

constexpr std::array<uint8_t, 256> kNearestLevel = MakeNearestLevels();

}  // namespace

IndexedPicture MapToPalette(const RgbFrame& frame) {
  IndexedPicture picture{frame.Width, frame.Height, {}};
  picture.Indices.reserve(static_cast<size_t>(frame.Width) * static_cast<size_t>(frame.Height));
  for (int y = 0; y < frame.Height; ++y) {
    const uint8_t* pixel = frame.Row(y);
    for (int x = 0; x < frame.Width; ++x, pixel += frame.PixelBytes) {
      picture.Indices.push_back(static_cast<uint8_t>(kNearestLevel[pixel[0]] * kLevels * kLevels +
                                                     kNearestLevel[pixel[1]] * kLevels + kNearestLevel[pixel[2]]));
    }
  }
  return picture;
}

void MarkUsedColours(const IndexedPicture& picture, UsedColours& used) {
  for (const uint8_t index : picture.Indices) {
    used[index] = true;
  }
}

ColourTable OptimisedColourTable(const UsedColours& used) {
  ColourTable table;
  for (int index = 0; index < kPaletteColours; ++index) {
    if (used[index]) {
      table.EntryOf[index] = static_cast<uint8_t>(table.Colours.size());
      table.Colours.push_back({static_cast<uint8_t>(index / (kLevels * kLevels) * kLevelStep),
                               static_cast<uint8_t>(index / kLevels % kLevels * kLevelStep),
                               static_cast<uint8_t>(index % kLevels * kLevelStep)});
    }
  }
  table.Colours.resize(std::bit_ceil(std::max<size_t>(table.Colours.size(), 2)), {0, 0, 0});
  return table;
}

}  // namespace morvane
