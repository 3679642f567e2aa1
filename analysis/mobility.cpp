#include "analysis/mobility.h"

#include <algorithm>
#include <map>

#include "model/part_kind.h"
#include "model/slot_range.h"

namespace morvane::analysis {

namespace {

struct PinUse {
  std::vector<int> Parts;
  bool Fixed = false;
};

std::map<int32_t, PinUse> PinUses(const ModelState& model) {
  std::map<int32_t, PinUse> uses;
  for (const SlotRef at : PinSlots(model.PartTable, model.PartCount)) {
    const PartRecord& part = model.PartTable[at.Part];
    PinUse& use = uses[part.PinId[at.Slot]];
    if (std::find(use.Parts.begin(), use.Parts.end(), at.Part) == use.Parts.end()) {
      use.Parts.push_back(at.Part);
    }
    use.Fixed = use.Fixed || part.PinState[at.Slot] == PinStatus::Fixed;
  }
  return uses;
}

JointKind KindOf(int32_t pin, const PinUse& use) {
  if (!use.Fixed) {
    return JointKind::Pin;
  }
  // Axles carry their part's index; pins from the palette are numbered from 101.
  return pin < kFirstPalettePinId ? JointKind::Axle : JointKind::FixedPin;
}

std::vector<Joint> JointsOf(const ModelState& model) {
  std::vector<Joint> joints;
  for (const auto& [pin, use] : PinUses(model)) {
    const int count = static_cast<int>(use.Parts.size()) - (use.Fixed ? 0 : 1);
    if (count > 0) {
      joints.push_back({KindOf(pin, use), pin, use.Parts, count});
    }
  }
  for (int i = 0; i < model.PartCount; ++i) {
    if (IsPiston(model.PartTable[i].Kind)) {
      joints.push_back({JointKind::Slider, -1, {i}, 1});
    }
  }
  return joints;
}

MobilityReason ReasonFor(int degrees, const ModelState& model, const std::vector<Joint>& joints) {
  MobilityReason reason;
  if (degrees <= 0) {
    reason.What = degrees == 0 ? MobilityReason::Kind::Structure : MobilityReason::Kind::Overconstrained;
    return reason;
  }
  std::vector<int> holds(static_cast<size_t>(model.PartCount), 0);
  for (const Joint& joint : joints) {
    for (const int part : joint.Parts) {
      ++holds[static_cast<size_t>(part)];
    }
  }
  for (int i = 0; i < model.PartCount; ++i) {
    if (holds[static_cast<size_t>(i)] == 0) {
      reason.LooseParts.push_back(i);
    } else if (holds[static_cast<size_t>(i)] == 1 && i != model.PowerPartIndex) {
      reason.SwingingParts.push_back(i);
    }
  }
  return reason;
}

}  // namespace

MobilityCount CountMobility(const ModelState& model) {
  MobilityCount mobility;
  mobility.Joints = JointsOf(model);
  mobility.Bodies = model.PartCount + 1;
  for (const Joint& joint : mobility.Joints) {
    mobility.LowerPairs += joint.Count;
  }
  mobility.Degrees = 3 * (mobility.Bodies - 1) - 2 * mobility.LowerPairs - mobility.HigherPairs;
  mobility.HasReason = mobility.Degrees != 1;
  if (mobility.HasReason) {
    mobility.Reason = ReasonFor(mobility.Degrees, model, mobility.Joints);
  }
  return mobility;
}

bool IsGroundPin(const ModelState& model, int32_t pin) {
  for (const SlotRef at : PinSlots(model.PartTable, model.PartCount)) {
    const PartRecord& part = model.PartTable[at.Part];
    if (part.PinId[at.Slot] == pin && part.PinState[at.Slot] == PinStatus::Fixed) {
      return true;
    }
  }
  return false;
}

}  // namespace morvane::analysis
