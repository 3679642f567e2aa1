#include "model/model_consistency.h"

#include <cmath>
#include <limits>

#include "model/model_file.h"
#include "model/model_file_layout.h"

namespace morvane {

namespace {

// Walks the model as the file would hold it and checks each value in place
// of writing it, so that no field the file carries can be forgotten.
class ValueCheck {
 public:
  bool Header() { return true; }
  bool Integer(int32_t) { return true; }
  template <typename Enum>
  bool Code(Enum) {
    return true;
  }
  bool Boolean(bool) { return true; }
  // Huge numbers turn into infinities and NaNs as soon as a pin's place is
  // computed; no edit and no file of the program comes near the bound. A NaN
  // fails the comparison too.
  bool Number(double value) { return std::fabs(value) <= kLargestFileNumber; }
  bool Count(int32_t value, int capacity) { return value >= 0 && value <= capacity; }
};

// Without a power part nothing reads the index, so whatever it holds is kept
// rather than refusing a file that is sound in every other respect.
bool PowerPartFits(const ModelState& model) {
  return !model.HasPowerPart || (model.PowerPartIndex >= 0 && model.PowerPartIndex < model.PartCount);
}

// The program only ever stores positions of the track bar; anything else
// would send the drive's arithmetic past the ends of the bar.
bool PositionsOnTheBar(const ModelState& model) {
  const auto onBar = [](int32_t position) { return position >= 0 && position <= kTrackMax; };
  return onBar(model.PowerPosition) && onBar(model.TrackPosition) && onBar(model.PlacementTrackPosition);
}

// Palette pins are numbered from 101 up, above every axle number, and the
// next number must still be one that can be handed out.
bool PinNumbersLeft(const ModelState& model) {
  return model.NextPinId >= kFirstPalettePinId && model.NextPinId < std::numeric_limits<int32_t>::max();
}

}  // namespace

bool IsConsistentModel(const ModelState& model) {
  ValueCheck values;
  return WalkModel(model, values) && PowerPartFits(model) && PositionsOnTheBar(model) && PinNumbersLeft(model);
}

}  // namespace morvane
