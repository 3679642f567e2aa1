#pragma once

// Where printed pictures go, in printer pixels of the page the printer
// reports: one picture fitted to a landscape page, or the 18 pictures of a
// series on a portrait page in six rows of three.

#include "export/pixel_box.h"

namespace morvane::exporting {

struct SeriesPrintLayout {
  int Margin = 0;
  int CellWidth = 0;
  int CellHeight = 0;
  // The left edge of the first column, which centres the three columns.
  int Left = 0;

  bool operator==(const SeriesPrintLayout&) const = default;
};

// All in whole printer pixels, divisions truncating: the margin is 1/80 of
// the page height, six rows of 4:3 pictures fill the height less ten margins.
SeriesPrintLayout PortraitSeriesLayout(int pageWidth, int pageHeight);

// Picture `index` (0 ... 17), row by row, with its frame 8 printer pixels outside it.
SeriesCell PrintCellAt(const SeriesPrintLayout& layout, int index);

struct PrintSize {
  int Width = 0;
  int Height = 0;

  bool operator==(const PrintSize&) const = default;
};

// The largest size of the picture's shape that fits the page: the full page
// height when the picture is no wider in proportion than the page, else the
// full width; the other side rounded to the nearest pixel.
PrintSize FitToPage(int pictureWidth, int pictureHeight, int pageWidth, int pageHeight);

}  // namespace morvane::exporting
