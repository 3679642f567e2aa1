#include "analysis/four_bar.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/mobility.h"
#include "model/part_frame.h"
#include "model/part_kind.h"

namespace morvane::analysis {

namespace {

double Distance(Point a, Point b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

int CountFixedSlots(const PartRecord& part) {
  return static_cast<int>(std::count(part.PinState.begin(), part.PinState.begin() + part.PinCount, PinStatus::Fixed));
}

int FixedSlot(const PartRecord& part) {
  for (int s = 0; s < part.PinCount; ++s) {
    if (part.PinState[s] == PinStatus::Fixed) {
      return s;
    }
  }
  return -1;
}

// A coupler floats between two moving pins; a rocker turns about one fixed pin.
bool CanBeCoupler(const PartRecord& part) { return !IsPiston(part.Kind) && CountFixedSlots(part) == 0; }
bool CanBeRocker(const PartRecord& part) { return !IsPiston(part.Kind) && CountFixedSlots(part) == 1; }

struct Search {
  const ModelState& Model;
  int Power;
  std::vector<FourBarLoop> Found;

  const PartRecord& Part(int i) const { return Model.PartTable[i]; }

  void FromCrankPin(int crankSlot) {
    const int32_t crankPin = Part(Power).PinId[crankSlot];
    for (int c = 0; c < Model.PartCount; ++c) {
      const int atCrank = SlotOfPin(Part(c), crankPin);
      if (c == Power || atCrank < 0 || !CanBeCoupler(Part(c))) {
        continue;
      }
      for (int s = 0; s < Part(c).PinCount; ++s) {
        if (Part(c).PinId[s] != crankPin && !IsGroundPin(Model, Part(c).PinId[s])) {
          ToRockers(crankSlot, c, atCrank, s);
        }
      }
    }
  }

  void ToRockers(int crankSlot, int coupler, int atCrank, int atJoint) {
    const int32_t joint = Part(coupler).PinId[atJoint];
    for (int r = 0; r < Model.PartCount; ++r) {
      const int atRocker = SlotOfPin(Part(r), joint);
      if (r == Power || r == coupler || atRocker < 0 || !CanBeRocker(Part(r))) {
        continue;
      }
      const PartRecord& power = Part(Power);
      const int pivot = FixedSlot(Part(r));
      const FourBarLengths lengths{Distance(PinWorld(power, 0), PinWorld(Part(r), pivot)),
                                   Distance(PinWorld(power, 0), PinWorld(power, crankSlot)),
                                   Distance(PinWorld(Part(coupler), atCrank), PinWorld(Part(coupler), atJoint)),
                                   Distance(PinWorld(Part(r), atRocker), PinWorld(Part(r), pivot))};
      FourBarLoop loop{Power, coupler, r, power.PinId[0], power.PinId[crankSlot], joint, Part(r).PinId[pivot],
                       lengths, GrashofClass::TripleRocker, ShortestLink::None};
      Classify(loop);
      Found.push_back(loop);
    }
  }
};

}  // namespace

void Classify(FourBarLoop& loop) {
  const FourBarLengths& l = loop.Lengths;
  const std::array<double, 4> links = {l.Ground, l.Crank, l.Coupler, l.Rocker};
  const auto [shortest, longest] = std::minmax_element(links.begin(), links.end());
  const double others = l.Ground + l.Crank + l.Coupler + l.Rocker - *shortest - *longest;
  const double excess = *shortest + *longest - others;
  if (std::fabs(excess) <= kChangePointTolerance) {
    loop.Class = GrashofClass::ChangePoint;
  } else if (excess > 0) {
    loop.Class = GrashofClass::TripleRocker;
  } else {
    // Below the change point the shortest link is the only one that short.
    loop.Shortest = static_cast<ShortestLink>(shortest - links.begin());
    loop.Class = loop.Shortest == ShortestLink::Ground    ? GrashofClass::DoubleCrank
                 : loop.Shortest == ShortestLink::Coupler ? GrashofClass::DoubleRocker
                                                          : GrashofClass::CrankRocker;
  }
}

std::vector<FourBarLoop> FindFourBars(const ModelState& model) {
  if (!model.HasPowerPart || model.PowerPartIndex < 0 || model.PowerPartIndex >= model.PartCount) {
    return {};
  }
  const PartRecord& power = model.PartTable[model.PowerPartIndex];
  if (!HasAxle(power.Kind) || power.PinCount == 0 || power.PinState[0] != PinStatus::Fixed) {
    return {};
  }
  Search search{model, model.PowerPartIndex, {}};
  for (int s = 1; s < power.PinCount; ++s) {
    search.FromCrankPin(s);
  }
  return search.Found;
}

}  // namespace morvane::analysis
