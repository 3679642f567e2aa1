#include "export/movies/movie_export.h"

#include <QImage>

#include "codecs/images/resample.h"
#include "export/captions.h"
#include "export/capture_frame.h"
#include "export/export_texts.h"
#include "export/movies/movie_recorders.h"
#include "export/movies/movies_texts.h"
#include "export/series_turn.h"
#include "model/model_texts.h"

namespace morvane::exporting {

namespace {

constexpr int32_t kRecordingAngleStep = 20;

// 720 degrees in 180 steps, the frame at 720 repeating the first.
constexpr TurnPlan kMovieTurn{181, 40, 0};
// 360 degrees in 24 steps, each approached from 10 degrees before.
constexpr TurnPlan kAnimationTurn{24, 150, 2};

struct MoviePlan {
  TurnPlan Turn;
  Message Label;
  SeriesTexts Texts;
};

MoviePlan PlanOf(MovieFormat format) {
  switch (format) {
    case MovieFormat::Mpeg:
      return {kMovieTurn, export_texts::MpegLabel, {export_texts::MpegProgress, movies_texts::MovieStopped}};
    case MovieFormat::Avi:
      return {kMovieTurn, export_texts::AviLabel, {export_texts::AviProgress, movies_texts::MovieStopped}};
    case MovieFormat::Gif:
      return {kAnimationTurn, export_texts::GifLabel, {export_texts::GifProgress, movies_texts::MovieStopped}};
  }
  return {};
}

// The automatic-rotation step while the movie is recorded.
class RecordingStep {
 public:
  explicit RecordingStep(Session& session) : session_(session), saved_(session.Model().AngleStep) {
    session_.SetAngleStep(kRecordingAngleStep);
  }
  ~RecordingStep() { session_.SetAngleStep(saved_); }
  RecordingStep(const RecordingStep&) = delete;
  RecordingStep& operator=(const RecordingStep&) = delete;

 private:
  Session& session_;
  const int32_t saved_;
};

// Adds the writer's reason, or the plain write failure when it gives none,
// and the interruption.
ExportOutcome Interrupted(ExportOutcome outcome, const MovieRecorder& recorder, const Session& session) {
  const std::string reason = recorder.ErrorText();
  outcome.Status = ExportStatus::WriteFailed;
  outcome.Messages.push_back(reason.empty() ? session.Text(model_texts::WriteFailed) : reason);
  outcome.Messages.push_back(session.Text(movies_texts::MovieInterrupted));
  return outcome;
}

}  // namespace

RgbImage MovieFrame(const ExportScene& scene, int width, int height) {
  QImage converted;
  RgbImage frame = ResampleBitmap(ToRgbFrame(CaptureScene(scene), converted), width, height);
  // The caption is drawn straight into the frame's own bytes.
  QImage picture(frame.Row(0), width, height, width * 3, QImage::Format_RGB888);
  CaptionPicture(picture, scene.CaptionName);
  return frame;
}

ExportOutcome SaveMovie(ExportScene& scene, const MovieKind& kind, const std::string& path, ExportProgress& progress) {
  Session& session = scene.Document;
  const MoviePlan plan = PlanOf(kind.Format);
  const ShownProgress shown(progress, export_texts::MovieCaption, plan.Label);
  session.EraseLoci();
  const RecordingStep step(session);
  const std::unique_ptr<MovieRecorder> recorder = MakeMovieRecorder(kind, path);
  if (!recorder->Open()) {
    return Interrupted({}, *recorder, session);
  }
  ExportOutcome outcome = TurnThrough(session, plan.Turn, progress, plan.Texts, [&](int i) {
    return recorder->Add(MovieFrame(scene, kind.Width, kind.Height).Frame(), i);
  });
  if (outcome.Status == ExportStatus::WriteFailed ||
      !recorder->Close(outcome.Status == ExportStatus::Done)) {
    return Interrupted(std::move(outcome), *recorder, session);
  }
  return outcome;
}

}  // namespace morvane::exporting
