#pragma once

#include "model/part_record.h"
#include "model/part_frame.h"

namespace morvane {

// Moves a part rigidly so that its slot `movingSlot` goes from `from` to `to`
// and, turning about `to`, its slot `targetSlot` comes to `goal`.
//
// The turn is the direction from `to` to `goal` less the direction of the
// slot-to-slot vector in the part's own frame; the half-turn beyond it is tried
// as well. A trial is accepted when the target slot lands within SamePoint of
// the goal. Returns false, with the part unchanged, when neither does.
bool TurnIntoPlace(PartRecord& part, int movingSlot, Point from, Point to, int targetSlot, Point goal);

}  // namespace morvane
