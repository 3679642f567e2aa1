#pragma once

#include "model/model_state.h"

namespace morvane {

// The order of the lines of a model file, walked by the writer and the reader
// alike so that the two cannot drift apart. `Lines` supplies one function per
// kind of line; each returns false to stop the walk (the reader at a line it
// refuses). Counts that bound a loop go through Count with their capacity, so
// the reader can refuse them before any slot is touched. The solver's
// states (pin state, Mobility, Settled) go through Code as their numbers.
//
// `Model` is ModelState for reading and const ModelState for writing.

template <typename Record, typename Lines>
bool WalkPartBlock(Record& part, Lines& lines) {
  const bool head = lines.Integer(part.Kind) && lines.Number(part.X) && lines.Number(part.Y) &&
                    lines.Number(part.Size) && lines.Number(part.Spare) && lines.Number(part.Angle) &&
                    lines.Count(part.PinCount, kPinSlots) && lines.Count(part.PenCount, kPenSlots) &&
                    lines.Code(part.Mobility) && lines.Boolean(part.Selected) && lines.Boolean(part.Visible) &&
                    lines.Code(part.Settled);
  if (!head) {
    return false;
  }
  for (int s = 0; s < part.PinCount; ++s) {
    if (!(lines.Code(part.PinState[s]) && lines.Integer(part.PinId[s]) && lines.Number(part.PinX[s]) &&
          lines.Number(part.PinY[s]))) {
      return false;
    }
  }
  for (int s = 0; s < part.PenCount; ++s) {
    if (!(lines.Integer(part.PenColor[s]) && lines.Number(part.PenX[s]) && lines.Number(part.PenY[s]))) {
      return false;
    }
  }
  return true;
}

template <typename Model, typename Lines>
bool WalkCounters(Model& model, Lines& lines) {
  bool ok = lines.Header() && lines.Count(model.PartCount, kMaxParts) && lines.Integer(model.NextPinId) &&
            lines.Boolean(model.HasPowerPart) && lines.Integer(model.PowerPartIndex);
  for (auto& placed : model.PenPlaced) {
    ok = ok && lines.Boolean(placed);
  }
  return ok && lines.Integer(model.PowerPosition) && lines.Integer(model.TrackPosition) &&
         lines.Integer(model.SpeedIndex) && lines.Integer(model.AngleStep) &&
         lines.Integer(model.PlacementSpeedIndex) && lines.Integer(model.PlacementAngleStep) &&
         lines.Integer(model.PlacementTrackPosition);
}

template <typename Model, typename Lines>
bool WalkModel(Model& model, Lines& lines) {
  if (!WalkCounters(model, lines)) {
    return false;
  }
  for (auto* table : {&model.PartTable, &model.PlacementTable}) {
    for (int i = 0; i < model.PartCount; ++i) {
      if (!WalkPartBlock((*table)[i], lines)) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace morvane
