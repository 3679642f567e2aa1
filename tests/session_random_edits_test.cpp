// Two hundred random edits through the session's own operations, from a
// fixed seed. Each edit must leave sound pin numbers and exactly one history
// step; undo must then walk back through every recorded model and redo
// forward again, exactly.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "model/catalogue.h"
#include "model/part_kind.h"
#include "session/session.h"

namespace morvane {
namespace {

struct Recorded {
  ModelCounters Counters;
  std::vector<PartRecord> Parts;

  bool operator==(const Recorded&) const = default;
};

Recorded Record(const ModelState& model) {
  return {model, {model.PartTable.begin(), model.PartTable.begin() + model.PartCount}};
}

// A pin joins holes that lie within half a pixel of its drop point in x and
// in y, so its slots may start up to this far apart; no edit pulls them further.
constexpr double kPinSpread = 1.415;

// Axle numbers belong to one part each, every movable pin joins at least two
// parts, and the slots of one number stay together.
void ExpectSoundPins(const ModelState& model, int edit) {
  std::map<int32_t, std::set<int>> partsOf;
  std::map<int32_t, Point> placeOf;
  for (int i = 0; i < model.PartCount; ++i) {
    for (int s = 0; s < model.PartTable[i].PinCount; ++s) {
      const int32_t id = model.PartTable[i].PinId[s];
      partsOf[id].insert(i);
      const Point at = PinWorld(model.PartTable[i], s), first = placeOf.try_emplace(id, at).first->second;
      EXPECT_LE(std::hypot(at.X - first.X, at.Y - first.Y), kPinSpread) << "pin " << id << " after edit " << edit;
    }
  }
  for (int i = 0; i < model.PartCount; ++i) {
    for (int s = 0; s < model.PartTable[i].PinCount; ++s) {
      const int32_t id = model.PartTable[i].PinId[s];
      EXPECT_TRUE(id >= kFirstPalettePinId || partsOf[id].size() == 1) << "axle " << id << " after edit " << edit;
      EXPECT_TRUE(model.PartTable[i].PinState[s] != PinStatus::Movable || partsOf[id].size() >= 2)
          << "pin " << id << " after edit " << edit;
    }
  }
}

// The parts of the palette's visible pages.
constexpr std::array<int32_t, 16> kPartKinds = {DiskActive1,  DiskActive2,  DiskActive3,  DiskPassive1,
                                                DiskPassive2, DiskPassive3, RodActive1,   RodActive2,
                                                RodPassive1,  RodPassive2,  RodPassive3,  RodPassive4,
                                                Triangle1,    Triangle2,    PistonActive, PistonPassive};

class RandomEditor {
 public:
  explicit RandomEditor(Session& session) : s_(session) {}

  // One attempt; the session decides whether it becomes an edit.
  void Attempt() {
    switch (Pick(0, 7)) {
      case 0: case 1: DropFromPalette(kPartKinds[Pick(0, kPartKinds.size() - 1)]); break;
      case 2: DropFromPalette(Pick(0, 3) == 0 ? KoteiPin : Hatome); break;
      case 3: DropFromPalette(PenBlack + Pick(0, 3)); break;
      case 4: Drag(); break;
      case 5: Delete(SomePart()); break;
      case 6: s_.Rotate(SomePart(), kMenuTurns[Pick(0, std::size(kMenuTurns) - 1)].Tag); break;
      default: s_.MoveAll(10.0 * Pick(-1, 1), 10.0 * Pick(-1, 1)); break;
    }
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  int SomePart() { return Pick(-1, s_.Model().PartCount - 1); }

  // A hole of the part (its origin when it has none), or a grid point.
  Point SomeHole(int part) {
    if (part < 0) {
      return {10.0 * Pick(5, 120), 10.0 * Pick(5, 90)};
    }
    const PartRecord& record = s_.Model().PartTable[part];
    const HoleList holes = HolesOf(record);
    if (holes.Count == 0) {
      return {record.X, record.Y};
    }
    const Hole& hole = holes.Holes[Pick(0, holes.Count - 1)];
    return WorldPoint(record, hole.X, hole.Y);
  }

  // A movable pin goes where two holes meet, when a few tries find such a place.
  Point JoiningHole(int& under) {
    Point at = SomeHole(under);
    for (int tries = 0; tries < 10 && CountHolesAt(s_.Model(), at.X, at.Y) != 2; ++tries) {
      under = SomePart();
      at = SomeHole(under);
    }
    return at;
  }

  // Dropped onto a hole of a part under the pointer, or onto empty canvas.
  void DropFromPalette(int32_t kind) {
    int under = SomePart();
    const Point at = kind == Hatome ? JoiningHole(under) : SomeHole(under);
    if (!s_.PressPalette(kind, at.X, at.Y, true) && s_.Dragging() == DragMode::Palette) {
      s_.MovePaletteDrag(at.X, at.Y, under);
      s_.DropPalette(Pick(0, 9) != 0);
    }
  }

  void Delete(int part) {
    const Point at = SomeHole(part);
    s_.Delete(s_.PlanDelete(part, at.X, at.Y), Pick(0, 3) != 0);
  }

  void Drag() {
    const int part = SomePart();
    const Point grip = SomeHole(part);
    s_.Grab(part, grip.X, grip.Y);
    for (int step = Pick(1, 3); step > 0; --step) {
      const int under = SomePart();
      const Point to = under == part ? grip : SomeHole(under);
      s_.DragTo(to.X, to.Y, Pick(0, 1) == 1, under == part ? -1 : under);
    }
    s_.Release();
  }

  Session& s_;
  std::mt19937 random_{134};
};

TEST(SessionRandomEdits, HistoryGivesBackEveryModelAndPinsStaySound) {
  Session session;
  RandomEditor editor(session);
  std::vector<Recorded> recorded;
  int attempts = 0;
  while (recorded.size() < 200 && ++attempts < 20000) {
    const int before = session.History().HistoryCurrent();
    editor.Attempt();
    const int steps = session.History().HistoryCurrent() - before;
    ASSERT_LE(steps, 1) << "attempt " << attempts;
    if (steps == 0) {
      ASSERT_TRUE(recorded.empty() || Record(session.Model()) == recorded.back())
          << "an unrecorded change at attempt " << attempts;
      continue;
    }
    recorded.push_back(Record(session.Model()));
    ExpectSoundPins(session.Model(), static_cast<int>(recorded.size()));
    ASSERT_FALSE(HasFailure());
  }
  ASSERT_EQ(recorded.size(), 200u);

  for (size_t k = recorded.size() - 1; k > 0; --k) {
    session.Undo();
    ASSERT_EQ(Record(session.Model()), recorded[k - 1]) << "undo to " << k - 1;
  }
  EXPECT_FALSE(session.CanUndo());
  for (size_t k = 1; k < recorded.size(); ++k) {
    session.Redo();
    ASSERT_EQ(Record(session.Model()), recorded[k]) << "redo to " << k;
  }
  EXPECT_FALSE(session.CanRedo());
}

}  // namespace
}  // namespace morvane
