#include "cli/export_support.h"

#include <unistd.h>

#include <cstdio>

#include "cli/cli_texts.h"
#include "cli/picture_options.h"
#include "cli/progress_bar.h"
#include "cli/turning.h"

namespace morvane::cli {

namespace {

class SilentProgress final : public exporting::ExportProgress {
 public:
  void Start(const Message&, const Message&) override {}
  void Step(const Message&, int) override {}
  void Note(const Message&) override {}
  void Finish() override {}
};

}  // namespace

ExportRequest ReadExportRequest(ArgumentReader& reader) {
  ExportRequest request;
  request.ModelPath = reader.Model();
  request.Series = reader.Flag("--series");
  request.OutputPath = reader.Required("-o", cli_texts::ExportMissingOutput);
  if (const auto area = reader.Value("--area", ParseArea, cli_texts::BadArea)) {
    request.Area = {area->x(), area->y(), area->width(), area->height()};
  }
  request.Position = reader.Value("--position", ParsePosition, cli_texts::BadPosition);
  request.Size = reader.Text("--size");
  return request;
}

std::unique_ptr<exporting::ExportProgress> ProgressFor(CliContext& context) {
  if (isatty(fileno(stderr))) {
    return std::make_unique<ProgressBar>(context);
  }
  return std::make_unique<SilentProgress>();
}

int ReportOutcome(const exporting::ExportOutcome& outcome, const std::string& outputPath, CliContext& context) {
  const bool written = outcome.Status != exporting::ExportStatus::WriteFailed;
  for (const std::string& text : outcome.Messages) {
    context.Err << (written ? "" : outputPath + ": ") << text << '\n';
  }
  switch (outcome.Status) {
    case exporting::ExportStatus::Done:
      return kExitOk;
    case exporting::ExportStatus::Stopped:
      return kExitRefused;
    case exporting::ExportStatus::WriteFailed:
      return kExitCannotWrite;
  }
  return kExitCannotWrite;
}

}  // namespace morvane::cli
