#include "session/session.h"

#include <algorithm>
#include <cstdlib>

#include "model/model_file.h"
#include "model/model_texts.h"
#include "model/output_file.h"

namespace morvane {

namespace {

constexpr std::string_view kLogExtension = ".txt";
// The exports approach each target in steps of 5 degrees.
constexpr int32_t kExportApproachStep = 50;

int32_t OnTheBar(int64_t position) { return static_cast<int32_t>(((position % kTrackMax) + kTrackMax) % kTrackMax); }

std::string LogText(const ProgressLog& log) {
  std::string text;
  for (const std::string& line : log.Lines) {
    text += line;
    text += '\n';
  }
  return text;
}

}  // namespace

Session::Session(Language language)
    : language_(language),
      model_(std::make_unique<ModelState>()),
      history_(std::make_unique<EditHistory>()),
      solver_(*model_, log_, language) {}

Session::~Session() = default;

Session::Placed Session::PlacedNow() const {
  return {*model_, {model_->PartTable.begin(), model_->PartTable.begin() + model_->PartCount}};
}

void Session::RecordEdit() {
  history_->TakeSnapshot(*model_);
  placed_ = PlacedNow();
}

void Session::KeepAsIs() {
  placed_ = PlacedNow();
  kept_ = placed_;
}

std::string Session::StartFolder(const std::string& documentsFolder) {
  if (names_.LastModelFolder.empty()) {
    names_.LastModelFolder = documentsFolder;
  }
  if (!names_.LastModelFolder.empty() && names_.LastModelFolder.back() != '/') {
    names_.LastModelFolder += '/';
  }
  return names_.LastModelFolder;
}

std::string Session::ProposeModelName(const std::function<bool(const std::string&)>& fileExists) const {
  return ProposeFileName(names_, kModelExtension, language_, fileExists);
}

std::string Session::ProposeLogName(const std::function<bool(const std::string&)>& fileExists) const {
  return ProposeFileName(names_, kLogExtension, language_, fileExists);
}

Reply Session::Open(const std::string& path) {
  RememberFileName(names_, path);
  const ReadResult result = ReadModelFile(path, *model_);
  if (result.Error) {
    return Notice{Notice::Style::Plain, Text(*result.Error)};
  }
  loci_.Clear();
  history_->Clear();
  drag_ = {};
  KeepAsIs();
  return std::nullopt;
}

void Session::RememberFile(const std::string& path) { RememberFileName(names_, path); }

Reply Session::Write(const std::string& path, const std::string& bytes) {
  RememberFileName(names_, path);
  if (!WriteWholeFile(path, bytes)) {
    return Notice{Notice::Style::Plain, Text(model_texts::WriteFailed)};
  }
  return std::nullopt;
}

Reply Session::Save(const std::string& chosenPath) {
  loci_.Clear();
  const std::optional<std::string> text = FormatModelText(*model_);
  if (!text) {
    RememberFileName(names_, WithExtension(chosenPath, kModelExtension));
    return Notice{Notice::Style::Plain, Text(model_texts::WriteFailed)};
  }
  const Reply failure = Write(WithExtension(chosenPath, kModelExtension), *text);
  if (!failure) {
    KeepAsIs();
  }
  return failure;
}

Reply Session::SaveLog(const std::string& chosenPath) {
  return Write(WithExtension(chosenPath, kLogExtension), LogText(log_));
}

void Session::Undo() {
  LetGo();
  history_->Undo(*model_);
  placed_ = PlacedNow();
}

void Session::Redo() {
  LetGo();
  history_->Redo(*model_);
  placed_ = PlacedNow();
}

void Session::ReturnToPlacement() {
  LetGo();
  loci_.Clear();
  RestorePlacement(*model_);
  // The power part now stands where the bar was at the placement; the next
  // step must start from there, not jump from where the drive had been.
  model_->PowerPosition = model_->TrackPosition;
  history_->Clear();
}

void Session::ClearAll() {
  LetGo();
  loci_.Clear();
  ResetModel(*model_, *history_, names_);
  KeepAsIs();
}

void Session::MoveAll(double dx, double dy) {
  LetGo();
  loci_.Clear();
  MoveAllParts(*model_, *history_, dx, dy);
  placed_ = PlacedNow();
}

void Session::EraseLoci() { loci_.Clear(); }

DriveResult Session::DriveTo(int32_t position) { return DriveStep(solver_, loci_, position); }

int32_t Session::NextAutoPosition(Rotation direction) const {
  return morvane::NextAutoPosition(model_->TrackPosition, model_->AngleStep, direction);
}

void Session::SetSpeed(int index) {
  model_->AngleStep = AngleStepForSpeed(index, model_->AngleStep);
  if (index >= 0 && index < static_cast<int>(kAngleSteps.size())) {
    model_->SpeedIndex = index;
  }
}

void Session::MarkPens() { RecordPenPoints(model_->PartTable, model_->PartCount, model_->AngleStep, loci_); }

bool Session::Reaches(int32_t position, Reply& refusal) {
  const DriveResult result = DriveTo(position);
  if (result.Status == DriveStatus::Refused) {
    refusal = Notice{Notice::Style::Plain, Text(result.RefusalText)};
  }
  return model_->TrackPosition == position;
}

bool Session::MoveAndCheck(int32_t position, Reply& refusal) {
  // The bar's two ends are one place of the power part, two full turns apart.
  // A target across an end is reached through it: the drive's jump rule
  // would stop at the end.
  if (std::abs(position - model_->TrackPosition) > kTrackMax / 2) {
    const int32_t end = position < model_->TrackPosition ? kTrackMax : 0;
    if (!Reaches(end, refusal)) {
      return false;
    }
    model_->PowerPosition = kTrackMax - end;
    SetTrackPositionQuietly(*model_, kTrackMax - end);
  }
  return Reaches(position, refusal);
}

bool Session::MoveForExport(int32_t target, int approachSteps, Reply& refusal) {
  refusal.reset();
  for (int k = approachSteps; k >= 1; --k) {
    if (!MoveAndCheck(OnTheBar(int64_t{target} - int64_t{kExportApproachStep} * k), refusal) && refusal) {
      return false;
    }
  }
  return MoveAndCheck(OnTheBar(target), refusal);
}

TurnBack Session::RememberPosition() const {
  return {model_->PartTable, model_->PowerPosition, model_->TrackPosition, model_->AngleStep};
}

void Session::ReturnTo(const TurnBack& position) {
  model_->PartTable = position.Parts;
  model_->PowerPosition = position.PowerPosition;
  model_->AngleStep = position.AngleStep;
  SetTrackPositionQuietly(*model_, position.TrackPosition);
  loci_.Clear();
}

PartProperties Session::Describe(int part, double x, double y) const {
  return DescribePart(*model_, part, x, y, language_);
}

}  // namespace morvane
