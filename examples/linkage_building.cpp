#include "examples/linkage_building.h"

#include "model/part_kind.h"

namespace morvane::examples {

void JoinAt(Session& session, std::initializer_list<Point> points) {
  for (const Point p : points) {
    DropAt(session, Hatome, p);
  }
}

void FixAt(Session& session, std::initializer_list<Point> points) {
  for (const Point p : points) {
    DropAt(session, KoteiPin, p);
  }
}

FourBarParts AddFourBar(Session& session, const FourBar& fourBar) {
  const Point crankPin = fourBar.Crank.Pin();
  const Point rockerPin =
      Apex(crankPin, fourBar.CouplerLength, fourBar.RockerPivot, fourBar.RockerLength, fourBar.Bend);
  AddPartAt(session, fourBar.Crank.Disk, fourBar.Crank.Axle);
  const int coupler = AddRod(session, fourBar.Coupler, crankPin, rockerPin);
  const int rocker = AddRod(session, fourBar.Rocker, fourBar.RockerPivot, rockerPin);
  JoinAt(session, {crankPin, rockerPin});
  FixAt(session, {fourBar.RockerPivot});
  return {crankPin, rockerPin, coupler, rocker};
}

Point AddRockerDrive(Session& session, const RockerDrive& drive) {
  const Point crankPin = drive.Crank.Pin();
  const Point driven = Apex(drive.Pivot, drive.Reach, crankPin, drive.RodLength, drive.Bend);
  AddPartAt(session, drive.Crank.Disk, drive.Crank.Axle);
  AddRod(session, drive.Rod, crankPin, driven);
  JoinAt(session, {crankPin});
  return driven;
}

CouplerEnds AddDrivenDoubleRocker(Session& session, const DrivenDoubleRocker& linkage) {
  const Point driven = AddRockerDrive(session, linkage.Drive);
  const Point first = Between(linkage.Drive.Pivot, driven, linkage.FirstLength / linkage.Drive.Reach);
  const Point second = Apex(first, linkage.CouplerLength, linkage.SecondPivot, linkage.SecondLength, linkage.Bend);
  AddRod(session, RodPassive2, linkage.Drive.Pivot, first);
  AddRod(session, RodPassive2, linkage.SecondPivot, second);
  AddRod(session, linkage.Coupler, first, second);
  JoinAt(session, {driven, first, second});
  FixAt(session, {linkage.Drive.Pivot, linkage.SecondPivot});
  return {first, second};
}

}  // namespace morvane::examples
