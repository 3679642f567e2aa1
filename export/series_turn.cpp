#include "export/series_turn.h"

#include "export/pixel_box.h"
#include "export/progress_text.h"

namespace morvane::exporting {

namespace {

// 20 degrees between the pictures, 18 of them over one turn.
constexpr int32_t kSeriesPitch = 200;
constexpr int kApproachSteps = 3;

class TurnedBack {
 public:
  explicit TurnedBack(Session& session) : session_(session), start_(session.RememberPosition()) {}
  ~TurnedBack() { session_.ReturnTo(start_); }
  TurnedBack(const TurnedBack&) = delete;
  TurnedBack& operator=(const TurnedBack&) = delete;

  int32_t TrackPosition() const { return start_.TrackPosition; }

 private:
  Session& session_;
  const TurnBack start_;
};

}  // namespace

ExportOutcome TurnThroughSeries(Session& session, ExportProgress& progress, const SeriesTexts& texts,
                                const std::function<void(int)>& take) {
  const TurnedBack start(session);
  for (int i = 0; i < kSeriesPictures; ++i) {
    Reply refusal;
    const bool reached =
        session.MoveForExport(start.TrackPosition() + kSeriesPitch * i, i > 0 ? kApproachSteps : 0, refusal);
    progress.Step(texts.Progress, ProgressPercent(i, kSeriesPictures - 1));
    if (!reached) {
      ExportOutcome stopped{ExportStatus::Stopped, {}};
      if (refusal) {
        stopped.Messages.push_back(refusal->Text);
      }
      stopped.Messages.push_back(session.Text(texts.Stopped));
      return stopped;
    }
    take(i);
  }
  return {};
}

}  // namespace morvane::exporting
