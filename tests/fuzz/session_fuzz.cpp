// Drives a Session with a sequence of operations decoded from the input: the
// palette's parts, pins and pens, canvas grabs, drags and releases, popup
// turns and deletes, undo and redo, drive steps and automatic ticks, the
// exports' walks round a turn and back, whole-model moves, the return to the
// placement, clear all and the opening of a model. After every operation
// it stops on a broken promise:
// - the model passes the file reader's consistency checks;
// - a pin's slots stand together and share one state, a movable pin joins
//   exactly two parts, an axle number belongs to one part, no part carries
//   one number twice;
// - every pen point is finite, and no part stays selected once a drag ends;
// - undo and redo give back the very state recorded for that history slot.
// At the end undo goes back as far as the history reaches and redo forward
// again, each checked, and the model saves to a text that reads back to itself.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/catalogue.h"
#include "model/model_consistency.h"
#include "model/model_file.h"
#include "model/part_kind.h"
#include "session/session.h"
#include "../recorded_model.h"

namespace {

using namespace morvane;
using morvane::testing::Record;
using morvane::testing::Recorded;

void Require(bool promise) {
  if (!promise) {
    std::abort();
  }
}

// The input read front to back; an exhausted input reads as zeros.
class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Empty() const { return size_ == 0; }
  uint8_t Byte() {
    if (size_ == 0) {
      return 0;
    }
    --size_;
    return *data_++;
  }
  int Pick(int count) { return Byte() % count; }
  bool Flag() { return (Byte() & 1) != 0; }

 private:
  const uint8_t* data_;
  size_t size_;
};

// The palette's parts, the hidden page's plates included, and its pins and pens.
constexpr int32_t kKinds[] = {DiskActive1, DiskActive2, DiskActive3, DiskPassive1, DiskPassive2, DiskPassive3,
                              RodActive1,  RodActive2,  RodPassive1, RodPassive2,  RodPassive3,  RodPassive4,
                              Triangle1,   Triangle2,   Triangle3,   Lgata1,       Lgata2,       Lgata3,
                              PistonActive, PistonPassive};
constexpr int32_t kPinsAndPens[] = {Hatome, KoteiPin, PenBlack, PenRed, PenBlue, PenGreen};
// Mechanisms that turn, trace, slide or lock, to start from now and then.
constexpr const char* kModels[] = {"examples/crank-rocker.mvd",       "examples/four-pens.mvd",
                                   "examples/six-bar-triangle.mvd",   "examples/slider-crank.mvd",
                                   "examples/power-rod-drag-link.mvd", "examples/klann-leg.mvd",
                                   "examples/quick-return.mvd",       "tests/data/locking/locks-before-turn.mvd",
                                   "tests/data/locking/locks-past-ninety.mvd"};
constexpr int kTurnTags[] = {0, 2700, 3150, 3500, 3550, 3590, 3595, 3599, 1, 5, 10, 50, 100, 450, 900};

// The walks of the series (20 degrees, approached in three steps), the
// movies (4 degrees) and the GIF animation (15 degrees, two steps).
struct Walk {
  int32_t Pitch;
  int Approach;
  int Positions;
};
constexpr Walk kWalks[] = {{200, 3, 18}, {40, 0, 181}, {150, 2, 24}};

// A pin joins holes within half a pixel of its drop point in x and in y, so
// its slots may start up to this far apart; the solver closes joints within
// half a pixel, a piston's end within a pixel.
constexpr double kPinSpread = 1.415;

struct PinUse {
  std::vector<int> Parts;
  Point Place;
  PinStatus State;
};

void RequireSoundPins(const ModelState& model) {
  std::map<int32_t, PinUse> pins;
  for (int i = 0; i < model.PartCount; ++i) {
    const PartRecord& part = model.PartTable[i];
    for (int s = 0; s < part.PinCount; ++s) {
      const Point at = PinWorld(part, s);
      const auto use = pins.try_emplace(part.PinId[s], PinUse{{}, at, part.PinState[s]}).first;
      Require(use->second.Parts.empty() || use->second.Parts.back() != i);
      Require(std::hypot(at.X - use->second.Place.X, at.Y - use->second.Place.Y) <= kPinSpread);
      Require(use->second.State == part.PinState[s]);
      use->second.Parts.push_back(i);
    }
  }
  for (const auto& [id, use] : pins) {
    Require(id >= kFirstPalettePinId || use.Parts.size() == 1);
    Require(use.State != PinStatus::Movable || use.Parts.size() == 2);
  }
}

// A selected part is drawn in outline and missing from the part-index
// picture, so the pointer can never find it again: only a drag may hold one.
void RequireNothingHeld(const ModelState& model) {
  for (int i = 0; i < model.PartCount; ++i) {
    Require(!model.PartTable[i].Selected);
  }
}

void RequireFiniteLoci(const PenLoci& loci) {
  for (const PenTrail& trail : loci.Trails) {
    for (size_t k = 0; k < trail.X.size(); ++k) {
      Require(std::isfinite(trail.X[k]) && std::isfinite(trail.Y[k]));
    }
  }
}

class Driver {
 public:
  Driver(Session& session, Bytes& in) : s_(session), in_(in) {}

  void Operate() {
    const int before = s_.History().HistoryCurrent();
    bool jumped = false;
    switch (in_.Pick(16)) {
      case 0: case 1: PlacePart(); break;
      case 2: PlacePinOrPen(); break;
      case 3: Grab(); break;
      case 4: DragTo(); break;
      case 5: s_.Release(); break;
      case 6: Turn(); break;
      case 7: Delete(); break;
      case 8: s_.Undo(); jumped = true; break;
      case 9: s_.Redo(); jumped = true; break;
      case 10: Drive(); break;
      case 11: WalkLikeAnExport(); break;
      case 12: s_.MoveAll(10.0 * (in_.Pick(3) - 1), 10.0 * (in_.Pick(3) - 1)); break;
      case 13: s_.ReturnToPlacement(); break;
      case 14: s_.SetSpeed(in_.Pick(6) - 1); break;
      default: Rarely(); break;
    }
    Check(before, jumped);
  }

  // Undo back to the oldest slot and redo to the newest, each state checked.
  void WalkTheHistory() {
    while (s_.CanUndo()) {
      s_.Undo();
      RequireRecorded();
    }
    Require(s_.History().HistoryCurrent() <= 0);
    while (s_.CanRedo()) {
      s_.Redo();
      RequireRecorded();
    }
    Require(s_.History().HistoryCurrent() == s_.History().HistoryTop());
  }

 private:
  const ModelState& Model() const { return s_.Model(); }

  // A part of the model, or none (-1) now and then.
  int SomePart() { return in_.Pick(Model().PartCount + 1) - 1; }

  // A hole, pin or pen of the part, its origin or a grid point, sometimes a
  // few pixels off so that the snapping has work to do.
  Point SomePoint(int part) {
    Point at{10.0 * in_.Pick(128), 10.0 * in_.Pick(96)};
    if (part >= 0) {
      const PartRecord& record = Model().PartTable[part];
      const HoleList holes = HolesOf(record);
      const int choice = in_.Pick(4);
      if (choice == 0 && holes.Count > 0) {
        const Hole& hole = holes.Holes[in_.Pick(holes.Count)];
        at = WorldPoint(record, hole.X, hole.Y);
      } else if (choice == 1 && record.PinCount > 0) {
        at = PinWorld(record, in_.Pick(record.PinCount));
      } else if (choice == 2 && record.PenCount > 0) {
        at = PenWorld(record, in_.Pick(record.PenCount));
      } else {
        at = {record.X, record.Y};
      }
    }
    const uint8_t jitter = in_.Byte();
    if (jitter >= 224) {
      at.X += (jitter & 7) - 3.5;
      at.Y += ((jitter >> 3) & 3) - 1.5;
    }
    return at;
  }

  void PlacePart() {
    const int32_t kind = kKinds[in_.Pick(std::size(kKinds))];
    Palette(kind, in_.Pick(4) == 0 ? -1 : SomePart());
  }

  void PlacePinOrPen() {
    const int32_t kind = kPinsAndPens[in_.Pick(std::size(kPinsAndPens))];
    Palette(kind, SomePart());
  }

  // Pressed on the palette, dragged over a part and dropped, mostly on the canvas.
  void Palette(int32_t kind, int towards) {
    const Point at = SomePoint(towards);
    s_.PressPalette(kind, at.X, at.Y, in_.Pick(8) != 0);
    if (s_.Dragging() != DragMode::Palette) {
      return;
    }
    for (int moves = in_.Pick(3); moves > 0; --moves) {
      const Point to = SomePoint(towards);
      s_.MovePaletteDrag(to.X, to.Y, towards);
    }
    s_.DropPalette(in_.Pick(8) != 0);
  }

  void Grab() {
    const int part = SomePart();
    if (part < 0) {
      return;
    }
    const Point at = SomePoint(part);
    s_.Grab(part, at.X, at.Y);
  }

  void DragTo() {
    const int under = SomePart();
    const Point to = SomePoint(under);
    // The grabbed parts are drawn in outline and missing from the part-index
    // picture, so the pointer never finds them.
    const bool outlined = under >= 0 && Model().PartTable[under].Selected;
    s_.DragTo(to.X, to.Y, in_.Flag(), outlined ? -1 : under);
  }

  void Turn() {
    const int part = SomePart();
    if (part >= 0) {
      s_.Rotate(part, kTurnTags[in_.Pick(std::size(kTurnTags))]);
    }
  }

  void Delete() {
    const int part = SomePart();
    if (part >= 0) {
      const Point at = SomePoint(part);
      s_.Delete(s_.PlanDelete(part, at.X, at.Y), in_.Pick(4) != 0);
    }
  }

  // One step to a position of the bar, or a run of automatic ticks.
  void Drive() {
    if (in_.Flag()) {
      s_.DriveTo((in_.Byte() * 256 + in_.Byte()) % (kTrackMax + 1));
      return;
    }
    const Rotation direction = in_.Flag() ? Rotation::Forward : Rotation::Backward;
    for (int ticks = 1 + in_.Pick(16); ticks > 0; --ticks) {
      if (s_.DriveTo(s_.NextAutoPosition(direction)).Status == DriveStatus::Refused) {
        return;
      }
    }
  }

  // The exports' road: each position approached as they approach it, the
  // mechanism put back at the end.
  void WalkLikeAnExport() {
    const Walk& walk = kWalks[in_.Pick(std::size(kWalks))];
    const TurnBack start = s_.RememberPosition();
    if (walk.Pitch == 40) {
      s_.SetAngleStep(20);
    }
    const int positions = 1 + in_.Pick(walk.Positions);
    for (int i = 0; i < positions; ++i) {
      Reply refusal;
      if (!s_.MoveForExport(start.TrackPosition + walk.Pitch * i, i > 0 ? walk.Approach : 0, refusal)) {
        break;
      }
    }
    s_.ReturnTo(start);
  }

  void Rarely() {
    switch (in_.Pick(5)) {
      case 0: s_.ClearAll(); break;
      case 1: s_.Log().Enabled = !s_.Log().Enabled; break;
      case 2: s_.EraseLoci(); break;
      case 3: s_.MarkPens(); break;
      default: OpenModel(); break;
    }
    // The log window shows only the lines of this run.
    s_.Log().Lines.clear();
  }

  void OpenModel() {
    Require(!s_.Open(std::string(MORVANE_SOURCE_DIR) + "/" + kModels[in_.Pick(std::size(kModels))]));
  }

  void Check(int before, bool jumped) {
    const ModelState& model = Model();
    Require(IsConsistentModel(model));
    RequireSoundPins(model);
    RequireFiniteLoci(s_.Loci());
    if (s_.Dragging() == DragMode::Idle) {
      RequireNothingHeld(model);
    }
    const int now = s_.History().HistoryCurrent();
    if (now < 0) {
      recorded_.clear();
    } else if (now == before) {
      return;
    } else if (jumped) {
      RequireRecorded();
    } else {
      Require(now == before + 1 && now == s_.History().HistoryTop());
      recorded_.resize(static_cast<size_t>(now));
      recorded_.push_back(Record(model));
    }
  }

  void RequireRecorded() {
    const int now = s_.History().HistoryCurrent();
    Require(now >= 0 && static_cast<size_t>(now) < recorded_.size() && Record(Model()) == recorded_[now]);
  }

  Session& s_;
  Bytes& in_;
  std::vector<Recorded> recorded_;
};

// Far below the 1001 slots of the history, so that every edit is recorded.
constexpr int kMostOperations = 400;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // One session for every run: its history is allocated once. Each run starts
  // from a model as fresh as at start-up.
  static const auto session = std::make_unique<Session>();
  static const auto fresh = std::make_unique<ModelState>();
  session->MutableModel() = *fresh;
  session->ClearAll();
  session->Log() = ProgressLog{};

  Bytes in(data, size);
  Driver driver(*session, in);
  for (int n = 0; n < kMostOperations && !in.Empty(); ++n) {
    driver.Operate();
  }
  driver.WalkTheHistory();

  const std::optional<std::string> text = FormatModelText(session->Model());
  Require(text.has_value());
  const auto reread = std::make_unique<ModelState>();
  Require(ParseModelText(*text, *reread).Status == ReadStatus::Ok && FormatModelText(*reread) == text);
  return 0;
}
