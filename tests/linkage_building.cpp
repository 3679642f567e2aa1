#include "tests/linkage_building.h"

#include <cmath>
#include <stdexcept>

#include "model/part_frame.h"
#include "model/part_kind.h"

namespace morvane::testing {

namespace {

using Vec = std::complex<double>;

struct Pin {
  int32_t Id = 0;
  PinStatus State = PinStatus::Movable;
  double Along = 0;
};

// A part at `origin` turned towards `toward`, its pins along its own x axis.
void AddBar(ModelState& m, int32_t kind, Vec origin, Vec toward, double size, std::initializer_list<Pin> pins) {
  PartRecord& part = m.PartTable[m.PartCount++];
  part = PartRecord{.Kind = kind, .X = origin.real(), .Y = origin.imag(), .Size = size, .Visible = true};
  part.Angle = std::arg(toward - origin) * kRadToDeg;
  for (const Pin& pin : pins) {
    const int s = part.PinCount++;
    part.PinId[s] = pin.Id;
    part.PinState[s] = pin.State;
    part.PinX[s] = pin.Along;
  }
}

std::unique_ptr<ModelState> WithPowerDisk(double crank, double crankDegrees) {
  auto m = std::make_unique<ModelState>();
  const Vec pin = kAxle + std::polar(crank, crankDegrees * kDegToRad);
  AddBar(*m, DiskActive1, kAxle, pin, 80, {{0, PinStatus::Fixed, 0}, {101, PinStatus::Movable, crank}});
  m->HasPowerPart = true;
  m->PowerPartIndex = 0;
  m->PowerPosition = m->TrackPosition = static_cast<int32_t>(std::lround(crankDegrees * 10));
  return m;
}

void Finish(ModelState& m, int32_t nextPin) {
  m.NextPinId = nextPin;
  m.PlacementTable = m.PartTable;
  m.WorkTable = m.PartTable;
}

}  // namespace

std::unique_ptr<ModelState> FourBar(const FourBarLengths& lengths, double groundDegrees, double crankDegrees,
                                    int elbow) {
  auto m = WithPowerDisk(lengths.Crank, crankDegrees);
  const Vec b = kAxle + std::polar(lengths.Crank, crankDegrees * kDegToRad);
  const Vec o = kAxle + std::polar(lengths.Ground, groundDegrees * kDegToRad);
  const double d = std::abs(o - b);
  const double along = (d * d + lengths.Coupler * lengths.Coupler - lengths.Rocker * lengths.Rocker) / (2 * d);
  const double across = lengths.Coupler * lengths.Coupler - along * along;
  if (across < 0) {
    throw std::runtime_error("the four-bar cannot be assembled at that crank angle");
  }
  const Vec joint = b + (o - b) / d * Vec(along, elbow * std::sqrt(across));
  AddBar(*m, RodPassive1, b, joint, lengths.Coupler + 40,
         {{101, PinStatus::Movable, 0}, {102, PinStatus::Movable, lengths.Coupler}});
  AddBar(*m, RodPassive1, o, joint, lengths.Rocker + 40,
         {{103, PinStatus::Fixed, 0}, {102, PinStatus::Movable, lengths.Rocker}});
  Finish(*m, 104);
  return m;
}

std::unique_ptr<ModelState> SliderCrank(double crank, double rod, double offset) {
  auto m = WithPowerDisk(crank, 0);
  const Vec b = kAxle + crank;
  const Vec slider = b + Vec(std::sqrt(rod * rod - offset * offset), offset);
  AddBar(*m, RodPassive1, b, slider, rod + 40, {{101, PinStatus::Movable, 0}, {102, PinStatus::Movable, rod}});
  // The piston's first hole is 240 beyond its origin at a stroke of 0; the
  // slider starts (nearly) outermost at a stroke of 90 + crank, so the whole
  // stroke lies within 0..180 for a crank up to 90 and a small offset.
  AddBar(*m, PistonPassive, slider - (330.0 + crank), slider, 90 + crank, {{102, PinStatus::Movable, 240}});
  Finish(*m, 103);
  return m;
}

Vec PinAt(const ModelState& model, int32_t pin) {
  for (int i = 0; i < model.PartCount; ++i) {
    const PartRecord& part = model.PartTable[i];
    for (int s = 0; s < part.PinCount; ++s) {
      if (part.PinId[s] == pin) {
        const Point p = PinWorld(part, s);
        return {p.X, p.Y};
      }
    }
  }
  throw std::runtime_error("no such pin");
}

}  // namespace morvane::testing
