// morvane-cli drive: turns a model to a track position and saves it there,
// for a teacher who wants the model to open in a given position.

#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/turning.h"
#include "model/model_file.h"

namespace morvane::cli {

namespace {

struct DriveRequest {
  std::string Path;
  int32_t To = 0;
  std::optional<int32_t> Step;
  std::string Output;
};

std::optional<DriveRequest> ParseRequest(const std::vector<std::string>& args, CliContext& context) {
  std::string problem;
  const auto parsed = ParseArgs(args, {"--to", "--step", "-o"}, context, problem);
  DriveRequest request;
  if (parsed) {
    const auto to = parsed->Option("--to");
    const auto step = parsed->Option("--step");
    const auto target = to ? ParsePosition(*to) : std::nullopt;
    request.Step = step ? ParseStep(*step) : std::nullopt;
    if (parsed->Positional.size() != 1) {
      problem = context.Text(parsed->Positional.empty() ? cli_texts::MissingModel : cli_texts::TooManyArguments);
    } else if (!to) {
      problem = context.Text(cli_texts::DriveMissingTarget);
    } else if (!target) {
      problem = context.Text(cli_texts::BadPosition);
    } else if (step && !request.Step) {
      problem = context.Text(cli_texts::BadStep);
    } else if (!parsed->Option("-o")) {
      problem = context.Text(cli_texts::DriveMissingOutput);
    } else {
      request.Path = parsed->Positional[0];
      request.To = *target;
      request.Output = *parsed->Option("-o");
      return request;
    }
  }
  UsageError(FindCommand("drive"), context, problem);
  return std::nullopt;
}

}  // namespace

int RunDrive(const std::vector<std::string>& args, CliContext& context) {
  const auto request = ParseRequest(args, context);
  if (!request) {
    return kExitUsage;
  }
  const auto session = OpenSession(request->Path, context);
  if (!session) {
    return kExitBadModel;
  }
  // The step sets how far each drive step goes; the saved speed stays the model's.
  const int32_t savedStep = session->Model().AngleStep;
  const int32_t step = request->Step.value_or(DefaultStep(savedStep));
  session->SetAngleStep(step);
  const DriveResult result = TurnStraightTo(*session, request->To, step);
  if (result.Status != DriveStatus::Moved) {
    return ReportUntakenStep(result, context);
  }
  session->SetAngleStep(savedStep);
  if (const auto error = WriteModelFile(request->Output, session->Model())) {
    context.Err << request->Output << ": " << context.Text(*error) << '\n';
    return kExitCannotWrite;
  }
  return kExitOk;
}

}  // namespace morvane::cli
