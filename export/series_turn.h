#pragma once

#include <cstdint>
#include <functional>

#include "export/export_progress.h"
#include "export/pixel_box.h"
#include "model/message.h"
#include "session/session.h"

namespace morvane::exporting {

// The texts of one kind of series: its progress line and the message that
// follows the drive's reason when a move is refused.
struct SeriesTexts {
  Message Progress;
  Message Stopped;
};

// How an export turns the mechanism: how many positions it visits, how many
// track units apart, and in how many steps of 5 degrees it approaches each
// position after the first (a mechanism that cannot follow a whole pitch may
// still follow 5 degrees).
struct TurnPlan {
  int Positions = 0;
  int32_t Pitch = 0;
  int ApproachSteps = 0;
};

// The series: 18 positions 20 degrees apart over one turn, each approached
// from 15 degrees before.
inline constexpr TurnPlan kSeriesTurn{kSeriesPictures, 200, 3};

// Turns the mechanism through the positions of the plan from where it stands
// and calls `take` with the index of each position reached; `take` returns
// false when what it made of the position could not be kept (a failed
// write), which ends the turn at once with WriteFailed and no message, the
// failure being the caller's to tell. A refused move ends the turn: Stopped,
// with the drive's reason and the stop text. On every way out the mechanism
// is put back exactly where it stood, its loci erased.
ExportOutcome TurnThrough(Session& session, const TurnPlan& plan, ExportProgress& progress, const SeriesTexts& texts,
                          const std::function<bool(int)>& take);

// TurnThrough with the series' plan, keeping every position taken.
ExportOutcome TurnThroughSeries(Session& session, ExportProgress& progress, const SeriesTexts& texts,
                                const std::function<void(int)>& take);

}  // namespace morvane::exporting
