#pragma once

// The pieces the classic mechanisms share: a four-bar on a power disk, and a
// crank that rocks a rocker through a rod, each placed with its pins in the
// pose it has at track position 0.

#include <cstdint>
#include <initializer_list>

#include "examples/model_building.h"

namespace morvane::examples {

// Movable pins at every point, each joining the two holes there, and fixed
// pins.
void JoinAt(Session& session, std::initializer_list<Point> points);
void FixAt(Session& session, std::initializer_list<Point> points);

// A crank on a power disk, its pin `Radius` out from the axle at `PinAngle`
// (0, 90, 180 or 270 degrees: a disk has its holes on two diameters).
struct CrankOnDisk {
  int32_t Disk;
  Point Axle;
  double Radius;
  double PinAngle;

  Point Pin() const { return Polar(Axle, Radius, PinAngle); }
};

// A crank, a coupler rod from its pin and a rocker rod about a fixed pivot,
// their far holes joined on the `Bend` side of the line from crank pin to
// pivot.
struct FourBar {
  CrankOnDisk Crank;
  int32_t Coupler;
  double CouplerLength;
  int32_t Rocker;
  Point RockerPivot;
  double RockerLength;
  Side Bend;
};

struct FourBarParts {
  Point CrankPin;
  Point RockerPin;
  int Coupler;
  int Rocker;
};

FourBarParts AddFourBar(Session& session, const FourBar& fourBar);

// A crank that rocks a rocker about `Pivot` through a rod of `RodLength`
// joined to the rocker `Reach` from the pivot, on the `Bend` side of the line
// from the pivot to the crank pin. Places the disk, the rod and the crank
// pin; the rocker and the pin that joins it to the rod are the caller's.
struct RockerDrive {
  CrankOnDisk Crank;
  int32_t Rod;
  double RodLength;
  Point Pivot;
  double Reach;
  Side Bend;
};

// Where the rod meets the rocker.
Point AddRockerDrive(Session& session, const RockerDrive& drive);

// A double rocker rocked by a crank: the first rocker, a rod from the drive's
// pivot through the hole the drive rod holds, `FirstLength` long; a coupler
// rod from its end to the end of the second rocker, about `SecondPivot`, on
// the `Bend` side of the line from the first rocker's end to that pivot.
struct DrivenDoubleRocker {
  RockerDrive Drive;
  double FirstLength;
  Point SecondPivot;
  double SecondLength;
  int32_t Coupler;
  double CouplerLength;
  Side Bend;
};

struct CouplerEnds {
  Point First;
  Point Second;
};

// Every rod of the rockers is a RodPassive2.
CouplerEnds AddDrivenDoubleRocker(Session& session, const DrivenDoubleRocker& linkage);

}  // namespace morvane::examples
