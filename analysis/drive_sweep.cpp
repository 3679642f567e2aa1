#include "analysis/drive_sweep.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <thread>
#include <utility>

#include "model/part_kind.h"
#include "solver/drive.h"

namespace morvane::analysis {

namespace {

constexpr int32_t kTurn = 3600;
constexpr int32_t kHalfTurn = kTurn / 2;
// Rounding leaves a closed joint some 1e-12 pixel apart; a snapped one
// opens by hundredths of a pixel a step.
constexpr double kClosedJoint = 1e-6;

// The power part's drive value in degrees: its angle, a power piston's phase.
double DriveValue(const ModelState& model) {
  const PartRecord& power = model.PartTable[model.PowerPartIndex];
  return power.Kind == PistonActive ? power.Size : power.Angle;
}

// Every slot of a pin beside the pin's first slot.
std::vector<std::pair<SlotRef, SlotRef>> JointPairs(const ModelState& model) {
  std::vector<std::pair<SlotRef, SlotRef>> pairs;
  std::vector<std::pair<int32_t, SlotRef>> firsts;
  for (const SlotRef at : PinSlots(model.PartTable, model.PartCount)) {
    const int32_t pin = model.PartTable[at.Part].PinId[at.Slot];
    const auto first = std::find_if(firsts.begin(), firsts.end(), [pin](const auto& f) { return f.first == pin; });
    if (first == firsts.end()) {
      firsts.emplace_back(pin, at);
    } else {
      pairs.emplace_back(first->second, at);
    }
  }
  return pairs;
}

// One run of samples in the order the drive made them, and how it ended.
struct Run {
  SweepSamples Samples;
  std::vector<double> Gaps;
  std::vector<double> DriveValues;
  bool Refused = false;
  int32_t RefusedAt = 0;
  Message Reason{};
};

class Recorder {
 public:
  Recorder(const ModelState& model, const Probe& probe) : probe_(probe), joints_(JointPairs(model)) {}

  // Room for `more` samples, so that the tables of a long walk are not
  // copied over and over as they grow.
  void Reserve(Run& run, size_t more) const {
    SweepSamples& s = run.Samples;
    const size_t samples = s.Positions.size() + more;
    s.Positions.reserve(samples);
    run.DriveValues.reserve(samples);
    run.Gaps.reserve(samples);
    s.Points.reserve(samples * probe_.Points.size());
    s.Angles.reserve(samples * probe_.AngleParts.size());
    s.Strokes.reserve(samples * probe_.StrokeParts.size());
  }

  void Record(const ModelState& m, int32_t position, Run& run) {
    turns_.resize(static_cast<size_t>(m.PartCount));
    for (int i = 0; i < m.PartCount; ++i) {
      turns_[static_cast<size_t>(i)] = TurnOf(m.PartTable[i]);
    }
    SweepSamples& s = run.Samples;
    s.Positions.push_back(position);
    run.DriveValues.push_back(UsablePowerPart(m) ? DriveValue(m) : 0.0);
    for (const TrackedPoint& point : probe_.Points) {
      s.Points.push_back(Place(m, point.At, point.What == TrackedPoint::Kind::Pen));
    }
    for (const int part : probe_.AngleParts) {
      s.Angles.push_back(m.PartTable[part].Angle);
    }
    for (const int part : probe_.StrokeParts) {
      s.Strokes.push_back(StrokeTerm(m.PartTable[part]));
    }
    double gap = 0;
    for (const auto& [first, other] : joints_) {
      const Point a = Place(m, first, false);
      const Point b = Place(m, other, false);
      gap = std::max(gap, (a.X - b.X) * (a.X - b.X) + (a.Y - b.Y) * (a.Y - b.Y));
    }
    run.Gaps.push_back(std::sqrt(gap));
  }

 private:
  Point Place(const ModelState& m, SlotRef at, bool pen) const {
    const PartRecord& part = m.PartTable[at.Part];
    const PartTurn& turn = turns_[static_cast<size_t>(at.Part)];
    return pen ? WorldPoint(part, turn, part.PenX[at.Slot], part.PenY[at.Slot])
               : WorldPoint(part, turn, part.PinX[at.Slot], part.PinY[at.Slot]);
  }

  const Probe& probe_;
  std::vector<std::pair<SlotRef, SlotRef>> joints_;
  std::vector<PartTurn> turns_;
};

// The drive turning a copy of the model from `start` by `unit` a step in
// `direction` (1 or -1), recording every step taken; it can be carried on.
class Walk {
 public:
  Walk(const ModelState& model, int32_t start, int32_t unit, int direction, const Probe& probe)
      : scratch_(std::make_unique<ModelState>(model)),
        solver_(*scratch_, log_),
        recorder_(model, probe),
        start_(start),
        unit_(unit),
        direction_(direction) {
    scratch_->PowerPosition = start;
    SetTrackPositionQuietly(*scratch_, start);
  }

  // On until `limit` track units from the start are covered or the drive refuses.
  void GoTo(int32_t limit) {
    recorder_.Reserve(run_, static_cast<size_t>(std::max(limit - done_, 0) / unit_ + 1));
    while (!run_.Refused && done_ < limit) {
      const int32_t next = start_ + direction_ * std::min(done_ + unit_, limit);
      const DriveResult result = DriveStep(solver_, loci_, next);
      if (result.Status != DriveStatus::Moved) {
        run_.Refused = true;
        run_.RefusedAt = next;
        run_.Reason = result.RefusalText;
        return;
      }
      done_ = std::abs(next - start_);
      recorder_.Record(*scratch_, next, run_);
    }
  }

  const Run& Samples() const { return run_; }
  // The samples, for the walk to go no further.
  Run Take() { return std::move(run_); }

 private:
  std::unique_ptr<ModelState> scratch_;
  ProgressLog log_;
  MoveSolver solver_;
  PenLoci loci_;
  Recorder recorder_;
  Run run_;
  int32_t start_;
  int32_t unit_;
  int direction_;
  int32_t done_ = 0;
};

// Sample `i` of `from` added at the end of `to`, its position shifted.
void CopySample(Run& to, const Run& from, int i, int32_t shift, const Probe& probe) {
  const size_t k = static_cast<size_t>(i);
  const SweepSamples& s = from.Samples;
  SweepSamples& t = to.Samples;
  t.Positions.push_back(s.Positions[k] + shift);
  to.DriveValues.push_back(from.DriveValues[k]);
  to.Gaps.push_back(from.Gaps[k]);
  const auto copy = [k](const auto& source, auto& target, size_t stride) {
    target.insert(target.end(), source.begin() + static_cast<std::ptrdiff_t>(k * stride),
                  source.begin() + static_cast<std::ptrdiff_t>((k + 1) * stride));
  };
  copy(s.Points, t.Points, probe.Points.size());
  copy(s.Angles, t.Angles, probe.AngleParts.size());
  copy(s.Strokes, t.Strokes, probe.StrokeParts.size());
}

// Going on in degrees from `previous` to the nearest equivalent of `value`.
double Follow(double previous, double value) { return previous + std::remainder(value - previous, 360.0); }

// Angles that follow each other without a jump of a turn.
void Unwrap(std::vector<double>& values, size_t stride) {
  for (size_t i = stride; i < values.size(); ++i) {
    values[i] = Follow(values[i - stride], values[i]);
  }
}

// Only the samples from `lo` to `hi` of a table of `stride` items a sample.
template <typename T>
void Keep(std::vector<T>& table, int lo, int hi, size_t stride) {
  table.erase(table.begin() + static_cast<std::ptrdiff_t>(static_cast<size_t>(hi + 1) * stride), table.end());
  table.erase(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(static_cast<size_t>(lo) * stride));
}

// The samples from `lo` to `hi` of the run, with the turn in radians.
SweepSamples Finish(Run run, int lo, int hi, const Probe& probe) {
  SweepSamples& samples = run.Samples;
  Keep(samples.Positions, lo, hi, 1);
  Keep(run.DriveValues, lo, hi, 1);
  Keep(samples.Points, lo, hi, probe.Points.size());
  Keep(samples.Angles, lo, hi, probe.AngleParts.size());
  Keep(samples.Strokes, lo, hi, probe.StrokeParts.size());
  Unwrap(run.DriveValues, 1);
  samples.Turn.reserve(run.DriveValues.size());
  for (const double degrees : run.DriveValues) {
    samples.Turn.push_back(degrees * kDegToRad);
  }
  Unwrap(samples.Angles, probe.AngleParts.size());
  return std::move(samples);
}

// How many samples from `end` on, walking `inward` (1 or -1) no further than
// `stop`, stand with a joint open wider than the next one in: those past a
// dead point.
int OpenSamples(const std::vector<double>& gaps, int end, int inward, int stop) {
  int i = end;
  while (i != stop && gaps[static_cast<size_t>(i)] > gaps[static_cast<size_t>(i + inward)] + kClosedJoint) {
    i += inward;
  }
  return std::abs(i - end);
}

// The halves of a turn meet at the same place when both went the same branch.
bool SameBranch(const Walk& forward, const Walk& backward, const Probe& probe) {
  const SweepSamples& a = forward.Samples().Samples;
  const SweepSamples& b = backward.Samples().Samples;
  const size_t points = probe.Points.size();
  for (size_t k = 0; k < points; ++k) {
    const Point p = a.Points[(a.Positions.size() - 1) * points + k];
    const Point q = b.Points[(b.Positions.size() - 1) * points + k];
    if (std::hypot(p.X - q.X, p.Y - q.Y) > kClosedJoint) {
      return false;
    }
  }
  return true;
}

// The forward half, then the backward half from where they met on, then the
// model itself a turn on: the samples of a turn in order.
SweepSamples FullTurn(Run forward, const Run& backward, const Run& here, const Probe& probe) {
  Run turn = std::move(forward);
  for (int i = backward.Samples.Count() - 2; i >= 0; --i) {
    CopySample(turn, backward, i, 0, probe);
  }
  CopySample(turn, here, 0, kTurn, probe);
  const int last = turn.Samples.Count() - 1;
  SweepSamples samples = Finish(std::move(turn), 0, last, probe);
  samples.FullTurn = true;
  return samples;
}

// From the dead point behind the start to the one ahead, without the samples
// past either.
SweepSamples Range(const Run& forward, const Run& backward, const Run& here, const Probe& probe) {
  Run range;
  for (int i = backward.Samples.Count() - 1; i >= 0; --i) {
    CopySample(range, backward, i, -kTurn, probe);
  }
  CopySample(range, here, 0, 0, probe);
  for (int i = 0; i < forward.Samples.Count(); ++i) {
    CopySample(range, forward, i, 0, probe);
  }
  const int last = range.Samples.Count() - 1;
  const int lo = backward.Refused ? OpenSamples(range.Gaps, 0, 1, last) : 0;
  const int hi = last - (forward.Refused ? OpenSamples(range.Gaps, last, -1, lo) : 0);
  SweepSamples samples = Finish(std::move(range), lo, hi, probe);
  if (backward.Refused) {
    samples.DeadPoints.push_back({samples.Positions.front(), backward.RefusedAt - kTurn, backward.Reason});
  }
  if (forward.Refused) {
    samples.DeadPoints.push_back({samples.Positions.back(), forward.RefusedAt, forward.Reason});
  }
  return samples;
}

}  // namespace

std::optional<int> UsablePowerPart(const ModelState& model) {
  if (model.HasPowerPart && model.PowerPartIndex >= 0 && model.PowerPartIndex < model.PartCount) {
    return model.PowerPartIndex;
  }
  return std::nullopt;
}

int32_t SweepUnit(const ModelState& model, int32_t step) {
  const bool piston = UsablePowerPart(model) && model.PartTable[model.PowerPartIndex].Kind == PistonActive;
  return piston ? std::max<int32_t>((step + 9) / 10 * 10, 10) : std::max<int32_t>(step, 1);
}

SweepSamples SweepDrive(const ModelState& model, int32_t step, const Probe& probe) {
  Recorder recorder(model, probe);
  Run here;
  recorder.Record(model, model.PowerPosition, here);
  if (!UsablePowerPart(model)) {
    return Finish(std::move(here), 0, 0, probe);
  }
  const int32_t unit = SweepUnit(model, step);
  const int32_t start = ((model.PowerPosition % kTurn) + kTurn) % kTurn;
  here.Samples.Positions[0] = start;
  // Half a turn each way, each on a core of its own, from fresh copies. Every
  // run depends on its start and direction alone, so the samples do not
  // depend on which thread comes first.
  Walk forward(model, start, unit, 1, probe);
  Walk backward(model, start + kTurn, unit, -1, probe);
  std::thread behind([&backward] { backward.GoTo(kHalfTurn); });
  forward.GoTo(kHalfTurn);
  behind.join();
  if (!forward.Samples().Refused && !backward.Samples().Refused && SameBranch(forward, backward, probe)) {
    return FullTurn(forward.Take(), backward.Samples(), here, probe);
  }
  forward.GoTo(kTurn);
  if (!forward.Samples().Refused) {
    // The two halves met on different branches; a whole turn forward decides.
    const int last = forward.Samples().Samples.Count() - 1;
    SweepSamples samples = Finish(forward.Take(), 0, last, probe);
    samples.FullTurn = true;
    return samples;
  }
  backward.GoTo(kTurn);
  return Range(forward.Samples(), backward.Samples(), here, probe);
}

SweepSamples WalkDrive(const ModelState& model, int32_t start, int32_t unit, int direction, int steps,
                       const Probe& probe) {
  Recorder recorder(model, probe);
  Run walked;
  recorder.Record(model, start, walked);
  Walk walk(model, start, unit, direction, probe);
  walk.GoTo(steps * unit);
  for (int i = 0; i < walk.Samples().Samples.Count(); ++i) {
    CopySample(walked, walk.Samples(), i, 0, probe);
  }
  const int last = walked.Samples.Count() - 1;
  return Finish(std::move(walked), 0, last, probe);
}

}  // namespace morvane::analysis
