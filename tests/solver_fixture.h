#pragma once

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <tuple>

#include "tests/part_building.h"
#include "model/catalogue.h"
#include "solver/drive.h"
#include "solver/geometry.h"
#include "tests/test_support.h"

namespace morvane::testing {

using Vec = std::complex<double>;
inline Vec At(Point p) { return {p.X, p.Y}; }


struct Slot {
  int32_t Id = 0;
  int32_t State = 0;
  double X = 0;
  double Y = 0;
};

inline PartRecord MakePart(int32_t kind, double x, double y, std::initializer_list<Slot> pins, double size = 0) {
  PartRecord part{.Kind = kind, .X = x, .Y = y, .Size = size, .Visible = true};
  for (const Slot& slot : pins) {
    const int s = part.PinCount++;
    part.PinId[s] = slot.Id;
    part.PinState[s] = static_cast<PinStatus>(slot.State);
    part.PinX[s] = slot.X;
    part.PinY[s] = slot.Y;
  }
  return part;
}

struct Rig {
  std::unique_ptr<ModelState> Model;
  ProgressLog Log{};
  PenLoci Loci{};
  MoveSolver Solver{*Model, Log};

  explicit Rig(std::unique_ptr<ModelState> model = std::make_unique<ModelState>()) : Model(std::move(model)) {}
  // Exactly these parts, shown and in the work table alike, with the log kept.
  Rig(std::initializer_list<PartRecord> parts) : Rig() {
    Log.Enabled = true;
    std::copy(parts.begin(), parts.end(), Model->PartTable.begin());
    Model->PartCount = static_cast<int32_t>(parts.size());
    Model->WorkTable = Model->PartTable;
  }
  DriveResult Step(int32_t position) { return DriveStep(Solver, Loci, position); }
  int Logged(const std::string& line) const { return std::count(Log.Lines.begin(), Log.Lines.end(), line); }
};

// How a step ended, to compare at once with a refusal's status, code and text.
inline auto Outcome(const DriveResult& r) { return std::tuple(r.Status, r.Code, r.RefusalText); }

inline std::unique_ptr<ModelState> PowerPistonAt(double phase) {
  auto m = std::make_unique<ModelState>();
  m->PartTable[AddPart(*m, PistonActive, 100, 400)].Size = phase;
  m->PowerPosition = m->TrackPosition = static_cast<int32_t>(phase * 10);
  return m;
}

// A coupler hanging 200 down from the power piston's pin in its first hole,
// and a rocker from there to a fixed pivot 200 further along: a chain that
// follows every stroke.
inline void FreeRocker(ModelState& m) {
  const double x = 340 + PistonOffset(m.PartTable[0].Size);
  AddPart(m, RodPassive2, x, 400, 90);
  AddPart(m, RodPassive2, x + 200, 600, 180);
  Drop(m, KoteiPin, x + 200, 600);
  Drop(m, Hatome, x, 400);
  Drop(m, Hatome, x, 600);
}

// A rod and a rocker pulled straight from the power piston's pin in hole
// `hole` toward a fixed pivot 400 away along `toward`: the piston can then
// only stroke the way that brings the pin nearer the pivot.
inline void StretchedChain(ModelState& m, int hole, Vec toward) {
  const Vec a{340 + 20 * hole + PistonOffset(m.PartTable[0].Size), 400};
  AddPart(m, RodPassive2, a.real(), a.imag(), std::arg(toward) * kRadToDeg);
  AddPart(m, RodPassive2, (a + 400.0 * toward).real(), (a + 400.0 * toward).imag(), std::arg(-toward) * kRadToDeg);
  for (const double along : {0, 200, 400}) {
    Drop(m, along < 400 ? Hatome : KoteiPin, (a + along * toward).real(), (a + along * toward).imag());
  }
}

inline double WorstPinError(const ModelState& model, int32_t pin, Vec expected) {
  double worst = 0;
  for (int i = 0; i < model.PartCount; ++i) {
    for (int s = 0; s < model.PartTable[i].PinCount; ++s) {
      if (model.PartTable[i].PinId[s] == pin) {
        worst = std::max(worst, std::abs(At(PinWorld(model.PartTable[i], s)) - expected));
      }
    }
  }
  return worst;
}

// 0 for a sound mechanism, else the worst of: the distance between two slots
// of one pin, the change since `start` of a distance between two pins of one
// part, the move of a pin fixed in `start` (of any pin when `allPins`).
inline double WorstFault(const ModelState& model, const ModelState& start, bool allPins = false) {
  double worst = 0;
  for (int i = 0; i < model.PartCount; ++i) {
    const PartRecord& now = model.PartTable[i];
    const PartRecord& then = start.PartTable[i];
    for (int s = 0; s < now.PinCount; ++s) {
      worst = std::max(worst, WorstPinError(model, now.PinId[s], At(PinWorld(now, s))));
      if (allPins || then.PinState[s] == PinStatus::Fixed) {
        worst = std::max(worst, std::abs(At(PinWorld(now, s)) - At(PinWorld(then, s))));
      }
      for (int t = s + 1; t < now.PinCount; ++t) {
        const double length = std::abs(At(PinWorld(now, s)) - At(PinWorld(now, t)));
        worst = std::max(worst, std::fabs(length - std::abs(At(PinWorld(then, s)) - At(PinWorld(then, t)))));
      }
    }
  }
  return worst;
}

}  // namespace morvane::testing
