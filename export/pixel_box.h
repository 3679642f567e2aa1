#pragma once

namespace morvane::exporting {

// A box of pixels from (Left, Top) up to but not including (Right, Bottom).
struct PixelBox {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool operator==(const PixelBox&) const = default;
};

// One picture of a series, on the sheet or on the printed page: where the
// picture goes and the box its black frame outlines.
struct SeriesCell {
  PixelBox Picture;
  PixelBox Frame;
};

inline constexpr int kSeriesPictures = 18;

}  // namespace morvane::exporting
