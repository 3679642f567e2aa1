#include "export/series_turn.h"

#include "export/progress_text.h"

namespace morvane::exporting {

namespace {

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

ExportOutcome TurnThrough(Session& session, const TurnPlan& plan, ExportProgress& progress, const SeriesTexts& texts,
                          const std::function<bool(int)>& take) {
  const TurnedBack start(session);
  for (int i = 0; i < plan.Positions; ++i) {
    Reply refusal;
    const bool reached =
        session.MoveForExport(start.TrackPosition() + plan.Pitch * i, i > 0 ? plan.ApproachSteps : 0, refusal);
    progress.Step(texts.Progress, ProgressPercent(i, plan.Positions - 1));
    if (!reached) {
      ExportOutcome stopped{ExportStatus::Stopped, {}};
      if (refusal) {
        stopped.Messages.push_back(refusal->Text);
      }
      stopped.Messages.push_back(session.Text(texts.Stopped));
      return stopped;
    }
    if (!take(i)) {
      return {ExportStatus::WriteFailed, {}};
    }
  }
  return {};
}

ExportOutcome TurnThroughSeries(Session& session, ExportProgress& progress, const SeriesTexts& texts,
                                const std::function<void(int)>& take) {
  return TurnThrough(session, kSeriesTurn, progress, texts, [&](int i) {
    take(i);
    return true;
  });
}

}  // namespace morvane::exporting
