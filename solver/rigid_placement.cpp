#include "solver/rigid_placement.h"

#include <cmath>

namespace morvane {

namespace {

void MoveRigidly(PartRecord& part, Point from, Point to, double angle) {
  const double x = part.X + (to.X - from.X);
  const double y = part.Y + (to.Y - from.Y);
  const Point turned = RotateDeg(to.X, to.Y, x, y, angle - part.Angle);
  part.X = turned.X;
  part.Y = turned.Y;
  part.Angle = angle;
}

}  // namespace

bool TurnIntoPlace(PartRecord& part, int movingSlot, Point from, Point to, int targetSlot, Point goal) {
  const double beta = std::atan2(part.PinY[targetSlot] - part.PinY[movingSlot],
                                 part.PinX[targetSlot] - part.PinX[movingSlot]) *
                      kRadToDeg;
  const double gamma = std::atan2(goal.Y - to.Y, goal.X - to.X) * kRadToDeg;
  const double x = part.X;
  const double y = part.Y;
  const double oldAngle = part.Angle;
  for (int halfTurns = 0; halfTurns < 2; ++halfTurns) {
    MoveRigidly(part, from, to, gamma - beta + 180.0 * halfTurns);
    const Point landed = PinWorld(part, targetSlot);
    if (SamePoint(landed.X, landed.Y, goal.X, goal.Y)) {
      return true;
    }
    part.X = x;
    part.Y = y;
    part.Angle = oldAngle;
  }
  return false;
}

}  // namespace morvane
