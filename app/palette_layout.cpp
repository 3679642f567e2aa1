#include "app/palette_layout.h"

#include <QGridLayout>
#include <QPixmap>
#include <QWidget>
#include <vector>

#include "app/palette_images.h"
#include "app/palette_picture.h"
#include "model/part_kind.h"

namespace morvane::app {

namespace {

// Big above small, power parts on the left.
constexpr PaletteItem kDisks[] = {
    {"imgDiskActive3", DiskActive3}, {"imgDiskpassive3", DiskPassive3}, {"imgDiskActive2", DiskActive2},
    {"imgDiskpassive2", DiskPassive2}, {"imgDiskActive1", DiskActive1}, {"imgDiskpassive1", DiskPassive1},
};
constexpr PaletteItem kRods[] = {
    {"imgRodActive1", RodActive1},   {"imgRodActive2", RodActive2},   {"imgRodPassive1", RodPassive1},
    {"imgRodPassive2", RodPassive2}, {"imgRodPassive3", RodPassive3}, {"imgRodPassive4", RodPassive4},
};
constexpr PaletteItem kPlates[] = {
    {"imgSankaku1", Triangle1}, {"imgLgata1", Lgata1}, {"imgSankaku2", Triangle2},
    {"imgLgata2", Lgata2},      {"imgSankaku3", Triangle3}, {"imgLgata3", Lgata3},
};
constexpr PaletteItem kOthers[] = {
    {"imgPistonActive", PistonActive},
    {"imgPistonPassive", PistonPassive},
    {"imgTriangle1", Triangle1},
    {"imgTriangle2", Triangle2},
};
constexpr PaletteItem kPins[] = {{"imgHatome", Hatome}, {"imgKoteiPin", KoteiPin}};
constexpr PaletteItem kPens[] = {
    {"imgBlack", PenBlack}, {"imgRed", PenRed}, {"imgBlue", PenBlue}, {"imgGreen", PenGreen}};

// Boxes fill the pages of a 138-pixel panel: 220 high for the parts, 70 for
// the pins and pens, less the tabs and frames.
constexpr PalettePage kPartPages[] = {
    {"TabDisk", QSize(64, 62), 2, kDisks},
    {"TabRod", QSize(128, 30), 1, kRods},
    {"TabEtc", QSize(64, 62), 2, kPlates},
    {"TabEtc2", QSize(128, 46), 1, kOthers},
};
constexpr PalettePage kPinAndPenPages[] = {
    {"TabPin", QSize(40, 40), 2, kPins},
    {"TabPen", QSize(30, 40), 4, kPens},
};

}  // namespace

std::span<const PalettePage> PartPages() { return kPartPages; }

std::span<const PalettePage> PinAndPenPages() { return kPinAndPenPages; }

QWidget* BuildPalettePage(const PalettePage& page, view::CanvasPictures& pictures) {
  std::vector<QImage> images;
  for (const PaletteItem& item : page.Items) {
    images.push_back(LonePartImage(pictures, item.Kind));
  }
  const double scale = CommonScale(images, page.Box);

  auto* widget = new QWidget;
  widget->setObjectName(QString::fromLatin1(page.Name));
  auto* grid = new QGridLayout(widget);
  grid->setContentsMargins(1, 1, 1, 1);
  grid->setSpacing(0);
  for (size_t i = 0; i < page.Items.size(); ++i) {
    auto* picture = new PalettePicture(QString::fromLatin1(page.Items[i].Name), page.Items[i].Kind, widget);
    picture->setFixedSize(page.Box);
    picture->setPixmap(QPixmap::fromImage(
        images[i].scaled(images[i].size() * scale, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    const int index = static_cast<int>(i);
    grid->addWidget(picture, index / page.Columns, index % page.Columns);
  }
  grid->setRowStretch(grid->rowCount(), 1);
  return widget;
}

}  // namespace morvane::app
