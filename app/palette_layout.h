#pragma once

#include <QSize>
#include <cstdint>
#include <span>

#include "view/canvas_pictures.h"

class QWidget;

namespace morvane::app {

struct PaletteItem {
  const char* Name;
  int32_t Kind;
};

// One page of palette pictures, laid out row by row in `Columns` columns,
// each picture in a box of the same size.
struct PalettePage {
  const char* Name;
  QSize Box;
  int Columns;
  std::span<const PaletteItem> Items;
};

// The pages of PageControl1 in order: TabDisk, TabRod, TabEtc (whose tab is
// hidden) and TabEtc2.
std::span<const PalettePage> PartPages();
// The pages of PageControl2: TabPin and TabPen.
std::span<const PalettePage> PinAndPenPages();

// A page with its pictures (PalettePicture widgets), drawn at one scale.
QWidget* BuildPalettePage(const PalettePage& page, view::CanvasPictures& pictures);

}  // namespace morvane::app
