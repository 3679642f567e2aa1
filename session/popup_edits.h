#pragma once

// Deleting from the popup menu: what stands at the point decides what goes.
// A pen goes before a pin at the same point, a pin before the part; each asks
// first, and a part that still carries pins or pens, or a disk's axle pin, is
// refused with a warning instead.

#include <optional>
#include <string>

#include "model/message.h"
#include "model/part_frame.h"

namespace morvane {

struct DeletePlan {
  enum class Target { Nothing, Refused, Pen, Pin, Part };
  Target What = Target::Nothing;
  int Part = -1;
  // The snapped point whose pen or pin goes.
  Point At;
  // The question to ask (Pen, Pin, Part) or the warning to show (Refused).
  std::string Text;
};

}  // namespace morvane
