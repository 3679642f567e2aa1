#include "solver/pen_locus.h"

#include <cstddef>

namespace morvane {

void PenLoci::Clear() {
  for (PenTrail& trail : Trails) {
    trail.X.clear();
    trail.Y.clear();
  }
}

bool PenLoci::Empty() const {
  for (const PenTrail& trail : Trails) {
    if (!trail.X.empty()) {
      return false;
    }
  }
  return true;
}

void RecordPenPoints(const Table& table, int partCount, int angleStep, PenLoci& loci) {
  std::array<bool, kPenColours> recorded{};
  const std::size_t keep = static_cast<std::size_t>(3600 / (angleStep > 0 ? angleStep : 1));
  for (int i = 0; i < partCount; ++i) {
    const PartRecord& part = table[i];
    for (int s = 0; s < part.PenCount; ++s) {
      const int32_t colour = part.PenColor[s];
      if (!IsPenColour(colour) || recorded[PenColourIndex(colour)]) {
        continue;
      }
      PenTrail& trail = loci.Trails[PenColourIndex(colour)];
      // A trail may hold more than one turn after a change to a coarser step;
      // each new point then replaces the oldest, as in the finer step.
      if (trail.X.size() > keep) {
        trail.X.erase(trail.X.begin());
        trail.Y.erase(trail.Y.begin());
      }
      const Point p = PenWorld(part, s);
      trail.X.push_back(p.X);
      trail.Y.push_back(p.Y);
      recorded[PenColourIndex(colour)] = true;
    }
  }
}

}  // namespace morvane
