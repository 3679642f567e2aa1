#include "tests/mechanism_checks.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "model/model_file.h"

namespace morvane::testing {

namespace {

double Distance(Point a, Point b) { return std::hypot(a.X - b.X, a.Y - b.Y); }

double Cross(Point o, Point a, Point b) { return (a.X - o.X) * (b.Y - o.Y) - (a.Y - o.Y) * (b.X - o.X); }

// The slot of the pin in any part but `skip`: its part index and slot.
std::pair<int, int> SlotElsewhere(const ModelState& model, int skip, int32_t pin) {
  for (int i = 0; i < model.PartCount; ++i) {
    for (int s = 0; i != skip && s < model.PartTable[i].PinCount; ++s) {
      if (model.PartTable[i].PinId[s] == pin) {
        return {i, s};
      }
    }
  }
  throw std::runtime_error("pin " + std::to_string(pin) + " joins nothing");
}

int OtherSlot(const PartRecord& part, int32_t pin) {
  for (int s = 0; s < part.PinCount; ++s) {
    if (part.PinId[s] != pin) {
      return s;
    }
  }
  throw std::runtime_error("part has a single pin");
}

}  // namespace

std::unique_ptr<ModelState> LoadExample(const std::string& fileName) {
  auto model = std::make_unique<ModelState>();
  const std::string path = std::string(MORVANE_SOURCE_DIR) + "/examples/" + fileName;
  if (ReadModelFile(path, *model).Status != ReadStatus::Ok) {
    throw std::runtime_error("cannot read " + path);
  }
  return model;
}

double WorstJointGap(const ModelState& model) {
  double worst = 0;
  for (int i = 0; i < model.PartCount; ++i) {
    for (int s = 0; s < model.PartTable[i].PinCount; ++s) {
      const Point p = PinWorld(model.PartTable[i], s);
      for (int j = i + 1; j < model.PartCount; ++j) {
        for (int u = 0; u < model.PartTable[j].PinCount; ++u) {
          if (model.PartTable[j].PinId[u] == model.PartTable[i].PinId[s]) {
            worst = std::max(worst, Distance(p, PinWorld(model.PartTable[j], u)));
          }
        }
      }
    }
  }
  return worst;
}

double WorstStretch(const ModelState& model, const ModelState& start) {
  double worst = 0;
  for (int i = 0; i < model.PartCount; ++i) {
    const PartRecord& now = model.PartTable[i];
    const PartRecord& then = start.PartTable[i];
    for (int s = 0; s < now.PinCount; ++s) {
      for (int t = s + 1; t < now.PinCount; ++t) {
        const double length = Distance(PinWorld(now, s), PinWorld(now, t));
        worst = std::max(worst, std::fabs(length - Distance(PinWorld(then, s), PinWorld(then, t))));
      }
    }
  }
  return worst;
}

double WorstFixedPinMove(const ModelState& model, const ModelState& start) {
  double worst = 0;
  for (int i = 0; i < model.PartCount; ++i) {
    for (int s = 0; s < start.PartTable[i].PinCount; ++s) {
      if (start.PartTable[i].PinState[s] == 1) {
        worst = std::max(worst, Distance(PinWorld(model.PartTable[i], s), PinWorld(start.PartTable[i], s)));
      }
    }
  }
  return worst;
}

double WorstPinError(const ModelState& model, int32_t pin, Point expected) {
  double worst = 0;
  for (int i = 0; i < model.PartCount; ++i) {
    for (int s = 0; s < model.PartTable[i].PinCount; ++s) {
      if (model.PartTable[i].PinId[s] == pin) {
        worst = std::max(worst, Distance(PinWorld(model.PartTable[i], s), expected));
      }
    }
  }
  return worst;
}

Crank CrankOf(const ModelState& model) {
  const PartRecord& disk = model.PartTable[model.PowerPartIndex];
  Crank crank;
  crank.O = PinWorld(disk, 0);
  crank.CrankPin = disk.PinId[1];
  crank.A = PinWorld(disk, 1);
  const int coupler = SlotElsewhere(model, model.PowerPartIndex, crank.CrankPin).first;
  const PartRecord& rod = model.PartTable[coupler];
  const int jointSlot = OtherSlot(rod, crank.CrankPin);
  crank.JointPin = rod.PinId[jointSlot];
  crank.B = PinWorld(rod, jointSlot);
  crank.Follower = SlotElsewhere(model, coupler, crank.JointPin).first;
  return crank;
}

Point FollowerPivot(const ModelState& model, const Crank& crank) {
  const PartRecord& follower = model.PartTable[crank.Follower];
  return PinWorld(follower, OtherSlot(follower, crank.JointPin));
}

Point CrankPinAfter(const Crank& crank, double degrees) {
  const double a = degrees * std::acos(-1.0) / 180;
  const double dx = crank.A.X - crank.O.X;
  const double dy = crank.A.Y - crank.O.Y;
  return {crank.O.X + dx * std::cos(a) - dy * std::sin(a), crank.O.Y + dx * std::sin(a) + dy * std::cos(a)};
}

std::optional<Point> RockerJoint(const Crank& crank, Point d, Point crankPin) {
  const double coupler = Distance(crank.A, crank.B);
  const double rocker = Distance(d, crank.B);
  const double e = Distance(crankPin, d);
  if (e > coupler + rocker || e < std::fabs(coupler - rocker)) {
    return std::nullopt;
  }
  const double ux = (d.X - crankPin.X) / e;
  const double uy = (d.Y - crankPin.Y) / e;
  const double along = (coupler * coupler - rocker * rocker + e * e) / (2 * e);
  const double h = (Cross(crank.A, d, crank.B) < 0 ? -1 : 1) * std::sqrt(coupler * coupler - along * along);
  return Point{crankPin.X + along * ux - h * uy, crankPin.Y + along * uy + h * ux};
}

std::optional<SliderPlace> SliderJoint(const Crank& crank, const PartRecord& piston, Point crankPin) {
  const double a = piston.Angle * std::acos(-1.0) / 180;
  const Point axis{std::cos(a), std::sin(a)};
  const auto along = [&](Point p) { return (p.X - piston.X) * axis.X + (p.Y - piston.Y) * axis.Y; };
  const double rod = Distance(crank.A, crank.B);
  const double foot = along(crankPin);
  const double offset = Cross({piston.X, piston.Y}, {piston.X + axis.X, piston.Y + axis.Y}, crankPin);
  if (std::fabs(offset) > rod) {
    return std::nullopt;
  }
  const double side = along(crank.B) < along(crank.A) ? -1 : 1;
  const double t = foot + side * std::sqrt(rod * rod - offset * offset);
  int slot = 0;
  while (piston.PinId[slot] != crank.JointPin) {
    ++slot;
  }
  return SliderPlace{{piston.X + t * axis.X, piston.Y + t * axis.Y}, t - piston.PinX[slot]};
}

}  // namespace morvane::testing
