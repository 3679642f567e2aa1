#pragma once

#include <QImage>
#include <span>
#include <string_view>

#include "export/pixel_box.h"

namespace morvane::exporting {

// The sheet of a saved series: 18 pictures of 240 x 180 in three rows of six,
// each in a black frame with one white pixel between, and the caption above.
inline constexpr int kSheetWidth = 1620;
inline constexpr int kSheetHeight = 700;
inline constexpr int kSheetCellWidth = 240;
inline constexpr int kSheetCellHeight = 180;

// Picture `index` (0 ... 17) of the sheet, row by row.
SeriesCell SheetCellAt(int index);

// The whole sheet, 24 bits per pixel, from the 18 cell pictures of 240 x 180
// in the order of a turn.
QImage ComposeSeriesSheet(std::span<const QImage> cells, std::string_view name);

}  // namespace morvane::exporting
