#include "examples/example_models.h"

#include "examples/classic_models.h"
#include "examples/model_building.h"
#include "model/part_kind.h"

namespace morvane::examples {

namespace {

// Power disk at (300, 400) with a crank pin `crank` pixels to the right, a
// coupler rod along the x axis and a rocker hanging down to its fixed pivot.
void FourBarOnDisk(Session& session, int32_t disk, double crank) {
  const double pinX = 300 + crank;
  const double rockerX = pinX + 240;
  AddPart(session, disk, 300, 400);
  AddPart(session, RodPassive3, pinX, 400);
  AddPart(session, RodPassive2, rockerX, 400, 90);
  Drop(session, Hatome, pinX, 400);
  Drop(session, Hatome, rockerX, 400);
  Drop(session, KoteiPin, rockerX, 600);
}

// A crank-rocker whose rocker hangs down and to the right of the coupler's
// end (a 3-4-5 triangle): coupler and rocker stand in line when the crank has
// turned about 98.5 degrees, and the mechanism locks there, between two
// positions an export visits.
void LocksPastNinety(Session& session) {
  AddPart(session, DiskActive1, 300, 400);
  AddPart(session, RodPassive3, 360, 400);
  AddPart(session, RodPassive2, 720, 560, Direction({}, {-120, -160}));
  Drop(session, Hatome, 360, 400);
  Drop(session, Hatome, 600, 400);
  Drop(session, KoteiPin, 720, 560);
}

void CrankRocker(Session& session) { FourBarOnDisk(session, DiskActive1, 40); }

void LocksBeforeTurn(Session& session) { FourBarOnDisk(session, DiskActive2, 80); }

void FourPens(Session& session) {
  FourBarOnDisk(session, DiskActive1, 40);
  Drop(session, PenBlack, 500, 400);
  Drop(session, PenRed, 660, 400);
  Drop(session, PenBlue, 580, 500);
  Drop(session, PenGreen, 300, 330);
}

void SliderCrank(Session& session) {
  AddPart(session, DiskActive1, 300, 400);
  AddPart(session, RodPassive4, 340, 400);
  AddPart(session, PistonPassive, 410, 400);
  Drop(session, Hatome, 340, 400);
  Drop(session, Hatome, 740, 400);
}

// Drag-link: the ground link (power rod axle to follower pivot) is the shortest.
void PowerRodDragLink(Session& session) {
  AddPart(session, RodActive2, 300, 300);
  AddPart(session, RodPassive2, 340, 340, Direction({}, {120, 160}));
  Drop(session, KoteiPin, 340, 340);
  AddPart(session, RodPassive2, 460, 300, 90);
  Drop(session, Hatome, 460, 300);
  Drop(session, Hatome, 460, 500);
}

// A crank-rocker whose rocker is a triangle; its third corner drives a second
// dyad down to another fixed pivot.
void SixBarTriangle(Session& session) {
  AddPart(session, DiskActive1, 300, 400);
  AddPart(session, RodPassive3, 340, 400, Direction({}, {180, 240}));
  AddPart(session, Triangle1, 400, 640);
  AddPart(session, RodPassive3, 400, 520, 180);
  AddPart(session, RodPassive2, 100, 280, 90);
  Drop(session, KoteiPin, 400, 640);
  Drop(session, KoteiPin, 100, 280);
  Drop(session, Hatome, 340, 400);
  Drop(session, Hatome, 520, 640);
  Drop(session, Hatome, 400, 520);
  Drop(session, Hatome, 100, 520);
}

}  // namespace

const std::vector<ExampleModel>& ExampleModels() {
  static const std::vector<ExampleModel> models = {
      {"crank-rocker.mvd", CrankRocker},
      {"slider-crank.mvd", SliderCrank},
      {"power-rod-drag-link.mvd", PowerRodDragLink},
      {"six-bar-triangle.mvd", SixBarTriangle},
      {"four-pens.mvd", FourPens},
      {"hoekens.mvd", Hoekens},
      {"chebyshev.mvd", Chebyshev},
      {"watt.mvd", Watt},
      {"roberts.mvd", Roberts},
      {"hart-inversor.mvd", HartInversor},
      {"quick-return.mvd", QuickReturn},
      {"windscreen-wiper.mvd", WindscreenWiper},
      {"drag-link.mvd", DragLink},
      {"change-point.mvd", ChangePoint},
      {"sewing-needle.mvd", SewingNeedle},
      {"pantograph.mvd", Pantograph},
      {"klann-leg.mvd", KlannLeg},
  };
  return models;
}

const std::vector<ExampleModel>& LockingModels() {
  static const std::vector<ExampleModel> models = {
      {"locks-before-turn.mvd", LocksBeforeTurn},
      {"locks-past-ninety.mvd", LocksPastNinety},
  };
  return models;
}

}  // namespace morvane::examples
