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

std::optional<ExportRequest> ParseExportRequest(const Command& command, std::vector<std::string> args,
                                                std::vector<std::string_view> options, bool seriesFlag,
                                                CliContext& context) {
  const auto fail = [&](std::string_view text) -> std::optional<ExportRequest> {
    UsageError(command, context, text);
    return std::nullopt;
  };
  ExportRequest request;
  request.Series = seriesFlag && TakeFlag(args, "--series");
  options.push_back("-o");
  std::string problem;
  const auto parsed = ParseArgs(args, options, context, problem);
  if (!parsed) {
    return fail(problem);
  }
  if (parsed->Positional.size() != 1) {
    return fail(context.Text(parsed->Positional.empty() ? cli_texts::MissingModel : cli_texts::TooManyArguments));
  }
  request.ModelPath = parsed->Positional[0];
  const auto output = parsed->Option("-o");
  if (!output) {
    return fail(context.Text(cli_texts::ExportMissingOutput));
  }
  request.OutputPath = *output;
  if (const auto area = parsed->Option("--area")) {
    const auto rect = ParseArea(*area);
    if (!rect) {
      return fail(context.Text(cli_texts::BadArea));
    }
    request.Area = {rect->x(), rect->y(), rect->width(), rect->height()};
  }
  if (const auto position = parsed->Option("--position")) {
    request.Position = ParsePosition(*position);
    if (!request.Position) {
      return fail(context.Text(cli_texts::BadPosition));
    }
  }
  request.Size = parsed->Option("--size");
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
