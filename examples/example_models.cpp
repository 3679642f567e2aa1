#include "examples/example_models.h"

#include <cmath>

#include "examples/model_building.h"
#include "model/edit_history.h"
#include "model/part_kind.h"
#include "model/part_frame.h"

namespace morvane::examples {

namespace {

double Direction(double dx, double dy) { return std::atan2(dy, dx) * kRadToDeg; }

// Power disk at (300, 400) with a crank pin `crank` pixels to the right, a
// coupler rod along the x axis and a rocker hanging down to its fixed pivot.
void FourBarOnDisk(ModelState& model, int32_t disk, double crank) {
  const double pinX = 300 + crank;
  const double rockerX = pinX + 240;
  AddPart(model, disk, 300, 400);
  AddPart(model, RodPassive3, pinX, 400);
  AddPart(model, RodPassive2, rockerX, 400, 90);
  Drop(model, Hatome, pinX, 400);
  Drop(model, Hatome, rockerX, 400);
  Drop(model, KoteiPin, rockerX, 600);
}

void CrankRocker(ModelState& model) { FourBarOnDisk(model, DiskActive1, 40); }

void LocksBeforeTurn(ModelState& model) { FourBarOnDisk(model, DiskActive2, 80); }

void FourPens(ModelState& model) {
  FourBarOnDisk(model, DiskActive1, 40);
  Drop(model, PenBlack, 500, 400);
  Drop(model, PenRed, 660, 400);
  Drop(model, PenBlue, 580, 500);
  Drop(model, PenGreen, 300, 330);
}

void SliderCrank(ModelState& model) {
  AddPart(model, DiskActive1, 300, 400);
  AddPart(model, RodPassive4, 340, 400);
  AddPart(model, PistonPassive, 410, 400);
  Drop(model, Hatome, 340, 400);
  Drop(model, Hatome, 740, 400);
}

// Drag-link: the ground link (power rod axle to follower pivot) is the shortest.
void PowerRodDragLink(ModelState& model) {
  AddPart(model, RodActive2, 300, 300);
  AddPart(model, RodPassive2, 340, 340, Direction(120, 160));
  Drop(model, KoteiPin, 340, 340);
  AddPart(model, RodPassive2, 460, 300, 90);
  Drop(model, Hatome, 460, 300);
  Drop(model, Hatome, 460, 500);
}

// A crank-rocker whose rocker is a triangle; its third corner drives a second
// dyad down to another fixed pivot.
void SixBarTriangle(ModelState& model) {
  AddPart(model, DiskActive1, 300, 400);
  AddPart(model, RodPassive3, 340, 400, Direction(180, 240));
  AddPart(model, Triangle1, 400, 640);
  AddPart(model, RodPassive3, 400, 520, 180);
  AddPart(model, RodPassive2, 100, 280, 90);
  Drop(model, KoteiPin, 400, 640);
  Drop(model, KoteiPin, 100, 280);
  Drop(model, Hatome, 340, 400);
  Drop(model, Hatome, 520, 640);
  Drop(model, Hatome, 400, 520);
  Drop(model, Hatome, 100, 520);
}

template <void (*Construct)(ModelState&)>
void Finished(ModelState& model) {
  Construct(model);
  EditHistory history;
  history.TakeSnapshot(model);
}

}  // namespace

const std::vector<ExampleModel>& ExampleModels() {
  static const std::vector<ExampleModel> models = {
      {"crank-rocker.mvd", Finished<CrankRocker>},
      {"slider-crank.mvd", Finished<SliderCrank>},
      {"power-rod-drag-link.mvd", Finished<PowerRodDragLink>},
      {"six-bar-triangle.mvd", Finished<SixBarTriangle>},
      {"four-pens.mvd", Finished<FourPens>},
      {"locks-before-turn.mvd", Finished<LocksBeforeTurn>},
  };
  return models;
}

}  // namespace morvane::examples
