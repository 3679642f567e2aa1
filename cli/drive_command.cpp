// morvane-cli drive: turns a model to a track position and saves it there,
// for a teacher who wants the model to open in a given position.

#include "cli/argument_reader.h"
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
  ArgumentReader reader(FindCommand("drive"), args, context, {"--to", "--step", "-o"});
  DriveRequest request;
  request.Path = reader.Model();
  reader.Check(reader.Text("--to").has_value(), cli_texts::DriveMissingTarget);
  request.To = reader.Value("--to", ParsePosition, cli_texts::BadPosition).value_or(0);
  request.Step = reader.Value("--step", ParseStep, cli_texts::BadStep);
  request.Output = reader.Required("-o", cli_texts::DriveMissingOutput);
  return reader.Ok() ? std::optional(request) : std::nullopt;
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
