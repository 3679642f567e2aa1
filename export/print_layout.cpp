#include "export/print_layout.h"

#include <cassert>
#include <cstdint>

#include "export/mul_div.h"

namespace morvane::exporting {

namespace {

constexpr int kPrintColumns = 3;
constexpr int kPrintRows = 6;
// A margin is 1/80 of the page height; ten of them go to the top, the gaps
// between rows and the bottom.
constexpr int kPageHeightPerMargin = 80;
constexpr int kVerticalMargins = 10;
constexpr int kTopMargins = 3;
constexpr int kFrameClearance = 8;

}  // namespace

SeriesPrintLayout PortraitSeriesLayout(int pageWidth, int pageHeight) {
  SeriesPrintLayout layout;
  layout.Margin = pageHeight / kPageHeightPerMargin;
  layout.CellHeight = (pageHeight - kVerticalMargins * layout.Margin) / kPrintRows;
  layout.CellWidth = layout.CellHeight * 4 / 3;
  layout.Left = (pageWidth - kPrintColumns * layout.CellWidth - (kPrintColumns - 1) * layout.Margin) / 2;
  return layout;
}

SeriesCell PrintCellAt(const SeriesPrintLayout& layout, int index) {
  assert(index >= 0 && index < kSeriesPictures);
  const int x = (layout.CellWidth + layout.Margin) * (index % kPrintColumns) + layout.Left;
  const int y = (layout.CellHeight + layout.Margin) * (index / kPrintColumns) + kTopMargins * layout.Margin;
  const PixelBox picture{x, y, x + layout.CellWidth, y + layout.CellHeight};
  const PixelBox frame{x - kFrameClearance, y - kFrameClearance, picture.Right + kFrameClearance,
                       picture.Bottom + kFrameClearance};
  return {picture, frame};
}

PrintSize FitToPage(int pictureWidth, int pictureHeight, int pageWidth, int pageHeight) {
  assert(pictureWidth > 0 && pictureHeight > 0 && pageWidth > 0 && pageHeight > 0);
  const bool heightLeads = int64_t{pictureWidth} * pageHeight <= int64_t{pageWidth} * pictureHeight;
  if (heightLeads) {
    return {MulDiv(pictureWidth, pageHeight, pictureHeight), pageHeight};
  }
  return {pageWidth, MulDiv(pictureHeight, pageWidth, pictureWidth)};
}

}  // namespace morvane::exporting
