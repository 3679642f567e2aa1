#pragma once

#include <functional>

#include "export/export_progress.h"
#include "model/message.h"
#include "session/session.h"

namespace morvane::exporting {

// The texts of one kind of series: its progress line and the message that
// follows the drive's reason when a move is refused.
struct SeriesTexts {
  Message Progress;
  Message Stopped;
};

// Turns the mechanism through the 18 positions of a series, 20 degrees
// apart from where it stands, approaching each from 15 degrees before in
// steps of 5 (a mechanism that cannot follow a whole 20 degrees may still
// follow 5), and calls `take` with the index of each position reached.
// A refused move ends the series: Stopped, with the drive's reason and the
// stop text. On every way out the mechanism is put back exactly where it
// stood, its loci erased.
ExportOutcome TurnThroughSeries(Session& session, ExportProgress& progress, const SeriesTexts& texts,
                                const std::function<void(int)>& take);

}  // namespace morvane::exporting
