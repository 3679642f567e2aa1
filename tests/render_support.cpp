#include "tests/render_support.h"

#include <cmath>
#include <stdexcept>

#include "model/catalogue.h"
#include "model/part_kind.h"
#include "view/render_scene.h"

namespace morvane::testing {

Rendering Render(const ModelState& model, const PenLoci& loci) {
  view::CanvasPictures pictures;
  view::PrepareCanvas(pictures);
  view::RenderAll(pictures, model, loci);
  return {pictures.imgTemp, pictures.PartIndexBitmap()};
}

int AddPart(ModelState& model, int32_t kind, double x, double y, double angle) {
  if (CreatePart(model, kind, x, y)) {
    throw std::runtime_error("part refused");
  }
  const int index = model.PartCount - 1;
  model.PartTable[index].Angle = angle;
  FinishPartDrop(model, index);
  return index;
}

namespace {

void Pin(ModelState& model, int32_t state, double x, double y) {
  if (!PlacePin(model, state, x, y)) {
    throw std::runtime_error("no hole for the pin");
  }
}

void Pen(ModelState& model, int32_t kind, double x, double y) {
  if (!PlacePen(model, kind, x, y)) {
    throw std::runtime_error("no hole for the pen");
  }
}

// A record on its way from the palette: Selected, at the end of the table.
void Dragged(ModelState& model, int32_t kind, double x, double y) {
  CreatePart(model, kind, x, y);
}

void AddTrails(PenLoci& loci) {
  for (int colour = 0; colour < kPenColours; ++colour) {
    PenTrail& trail = loci.Trails[colour];
    for (int step = 0; step <= 90; ++step) {
      const double a = step * 4 * 0.017453292519943295;
      trail.X.push_back(820 + (50 + 12 * colour) * std::cos(a));
      trail.Y.push_back(800 + (30 + 10 * colour) * std::sin(2 * a));
    }
  }
}

}  // namespace

void BuildEveryKindModel(ModelState& model, PenLoci& loci) {
  AddPart(model, DiskActive1, 100, 100);
  AddPart(model, DiskActive2, 300, 120);
  AddPart(model, DiskActive3, 530, 140);
  AddPart(model, DiskPassive1, 100, 300);
  AddPart(model, DiskPassive2, 300, 320);
  AddPart(model, DiskPassive3, 530, 340);
  AddPart(model, RodActive1, 700, 60);
  AddPart(model, RodActive2, 700, 140, 15);
  AddPart(model, RodPassive1, 900, 60);
  AddPart(model, RodPassive2, 900, 120);
  AddPart(model, RodPassive3, 700, 220, -10);
  AddPart(model, RodPassive4, 700, 300);
  model.PartTable[AddPart(model, RodPassive5, 1140, 60)].Size = 120;
  model.PartTable[AddPart(model, RodPassive6, 700, 420)].Size = 500;
  AddPart(model, Triangle1, 60, 640);
  AddPart(model, Triangle2, 250, 640, 30);
  AddPart(model, Triangle3, 470, 640);
  AddPart(model, Lgata1, 730, 640);
  AddPart(model, Lgata2, 900, 640);
  AddPart(model, Lgata3, 1240, 940, -90);
  AddPart(model, PistonActive, 100, 760, 0);
  model.PartTable[AddPart(model, PistonPassive, 100, 880)].Size = 190;
  Pin(model, 1, 700, 420);
  Pin(model, 0, 740, 420);
  Pen(model, PenBlack, 780, 420);
  Pen(model, PenRed, 820, 420);
  Pen(model, PenBlue, 860, 420);
  Pen(model, PenGreen, 900, 420);
  Pin(model, 0, 40, 300);
  Pen(model, PenRed, 100, 270);
  Pin(model, 0, 430, 760);
  Pen(model, PenBlue, 450, 760);
  Pin(model, 0, 530, 880);
  const int selected = AddPart(model, DiskPassive1, 1100, 420);
  model.PartTable[selected].Selected = true;
  Dragged(model, Hatome, 660, 930);
  Dragged(model, KoteiPin, 700, 930);
  Dragged(model, PenBlack, 740, 930);
  Dragged(model, PenRed, 780, 930);
  Dragged(model, PenBlue, 820, 930);
  Dragged(model, PenGreen, 860, 930);
  AddTrails(loci);
}

uint32_t Rgb(const QImage& picture, int x, int y) { return picture.pixel(x, y) & 0xFFFFFFu; }

}  // namespace morvane::testing
