#pragma once

// Deleting from the popup menu: what stands at the point decides what goes.
// A pen goes before a pin at the same point, a pin before the part; each asks
// first, and a part that still carries pins or pens, or a disk's axle pin, is
// refused with a warning instead.

#include <optional>
#include <string>
#include <string_view>

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

// The items of the rotation submenu, by objectName, with the Tag that
// Session::Rotate takes: the turn to the right in tenths of a degree. A left
// turn is a right turn by 360 degrees less the angle, so its tag is 3600 less
// the right turn's. The tag 0 ("初期状態") turns the part back to angle 0.
struct MenuTurn {
  std::string_view Item;
  int Tag;
};

inline constexpr MenuTurn kMenuTurns[] = {
    {"menuKaitenInit", 0},  {"menuKaitenL90", 2700}, {"menuKaitenL45", 3150}, {"menuKaitenL10", 3500},
    {"menuKaitenL5", 3550}, {"menuKaitenL1", 3590},  {"menuKaitenL05", 3595}, {"menuKaitenL01", 3599},
    {"menuKaitenR01", 1},   {"menuKaitenR05", 5},    {"menuKaitenR1", 10},    {"menuKaitenR5", 50},
    {"menuKaitenR10", 100}, {"menuKaitenR45", 450},  {"menuKaitenR90", 900},
};

}  // namespace morvane
