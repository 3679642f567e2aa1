#include "examples/example_models.h"

#include <cmath>
#include <stdexcept>

#include "model/catalogue.h"
#include "model/edit_history.h"
#include "model/part_kind.h"
#include "solver/geometry.h"

namespace morvane::examples {

namespace {

int Part(ModelState& model, int32_t kind, double x, double y, double angle = 0) {
  if (CreatePart(model, kind, x, y)) {
    throw std::runtime_error("part refused");
  }
  const int index = model.PartCount - 1;
  model.PartTable[index].Angle = angle;
  FinishPartDrop(model, index);
  return index;
}

// Drops a pin or pen and insists that it landed: a construction mistake in an
// example must not pass unnoticed.
void Join(ModelState& model, int32_t kind, double x, double y) {
  const int pinsBefore = model.NextPinId;
  const auto pensBefore = model.PenPlaced;
  if (DropPinOrPen(model, kind, x, y)) {
    throw std::runtime_error("drop refused");
  }
  const bool landed = IsPen(kind) ? model.PenPlaced != pensBefore : model.NextPinId != pinsBefore;
  if (!landed) {
    throw std::runtime_error("nothing placed");
  }
}

double Direction(double dx, double dy) { return std::atan2(dy, dx) * kRadToDeg; }

// Power disk at (300, 400) with a crank pin `crank` pixels to the right, a
// coupler rod along the x axis and a rocker hanging down to its fixed pivot.
void FourBarOnDisk(ModelState& model, int32_t disk, double crank) {
  const double pinX = 300 + crank;
  const double rockerX = pinX + 240;
  Part(model, disk, 300, 400);
  Part(model, RodPassive3, pinX, 400);
  Part(model, RodPassive2, rockerX, 400, 90);
  Join(model, Hatome, pinX, 400);
  Join(model, Hatome, rockerX, 400);
  Join(model, KoteiPin, rockerX, 600);
}

void CrankRocker(ModelState& model) { FourBarOnDisk(model, DiskActive1, 40); }

void LocksBeforeTurn(ModelState& model) { FourBarOnDisk(model, DiskActive2, 80); }

void FourPens(ModelState& model) {
  FourBarOnDisk(model, DiskActive1, 40);
  Join(model, PenBlack, 500, 400);
  Join(model, PenRed, 660, 400);
  Join(model, PenBlue, 580, 500);
  Join(model, PenGreen, 300, 330);
}

void SliderCrank(ModelState& model) {
  Part(model, DiskActive1, 300, 400);
  Part(model, RodPassive4, 340, 400);
  Part(model, PistonPassive, 410, 400);
  Join(model, Hatome, 340, 400);
  Join(model, Hatome, 740, 400);
}

// Drag-link: the ground link (power rod axle to follower pivot) is the shortest.
void PowerRodDragLink(ModelState& model) {
  Part(model, RodActive2, 300, 300);
  Part(model, RodPassive2, 340, 340, Direction(120, 160));
  Join(model, KoteiPin, 340, 340);
  Part(model, RodPassive2, 460, 300, 90);
  Join(model, Hatome, 460, 300);
  Join(model, Hatome, 460, 500);
}

// A crank-rocker whose rocker is a triangle; its third corner drives a second
// dyad down to another fixed pivot.
void SixBarTriangle(ModelState& model) {
  Part(model, DiskActive1, 300, 400);
  Part(model, RodPassive3, 340, 400, Direction(180, 240));
  Part(model, Triangle1, 400, 640);
  Part(model, RodPassive3, 400, 520, 180);
  Part(model, RodPassive2, 100, 280, 90);
  Join(model, KoteiPin, 400, 640);
  Join(model, KoteiPin, 100, 280);
  Join(model, Hatome, 340, 400);
  Join(model, Hatome, 520, 640);
  Join(model, Hatome, 400, 520);
  Join(model, Hatome, 100, 520);
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
