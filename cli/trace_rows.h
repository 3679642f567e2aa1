#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "analysis/tracked_points.h"
#include "model/model_state.h"
#include "solver/pen_locus.h"

namespace morvane::cli {

// The columns of a csv trace, fixed by the model before it moves: every
// distinct pin id in ascending order, then each placed pen colour. With
// derivatives each point's x and y are followed by its velocity and
// acceleration per radian of the power part (vx, vy, ax, ay).
struct TraceColumns {
  std::vector<int32_t> Pins;
  std::vector<int> PenColours;
  bool Derivatives = false;
  // The points whose motion the derivatives give.
  std::vector<analysis::TrackedPoint> Points;
};

TraceColumns ColumnsOf(const ModelState& model, bool derivatives);

// Numbers in csv are the shortest decimal that reads back as the same double;
// in jsonl they have 17 significant digits. Both keep every bit of the
// solver's result, and neither depends on the locale.
void WriteCsvHeader(const TraceColumns& columns, std::ostream& out);
// A pin stands where its first slot (in table order) is; a pen colour where
// its locus was last recorded.
void WriteCsvRow(const TraceColumns& columns, const ModelState& model, const PenLoci& loci, std::ostream& out);
// With derivatives every pin and pen of every part carries vx, vy, ax, ay.
void WriteJsonRow(const ModelState& model, bool derivatives, std::ostream& out);
// The pens of the columns alone: {"position":P,"pens":[{"color":"black","x":X,"y":Y},...]}, each pen with
// vx, vy, ax, ay when the columns have derivatives.
void WriteJsonPens(const TraceColumns& columns, const PenLoci& loci, const ModelState& model, std::ostream& out);

}  // namespace morvane::cli
