#pragma once

#include <array>
#include <vector>

#include "model/model_state.h"
#include "model/part_kind.h"
#include "model/part_frame.h"

namespace morvane {

// The traced points of one pen colour, oldest first.
struct PenTrail {
  std::vector<double> X;
  std::vector<double> Y;
};

// The loci of the four pen colours in the order black, red, blue, green.
struct PenLoci {
  std::array<PenTrail, kPenColours> Trails;

  void Clear();
  bool Empty() const;
};

// After a successful drive step: the first pen of each colour (by part, then
// slot order) adds its position. A trail keeps at most one turn of points,
// 3600 / angleStep + 1, dropping the oldest.
void RecordPenPoints(const Table& table, int partCount, int angleStep, PenLoci& loci);

}  // namespace morvane
