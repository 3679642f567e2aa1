// morvane-cli analyze: what the mechanism does over its range, for people
// (text) or programs (json).

#include "analysis/mechanism_analysis.h"
#include "cli/analysis_report.h"
#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/turning.h"

namespace morvane::cli {

int RunAnalyze(const std::vector<std::string>& args, CliContext& context) {
  const Command& command = FindCommand("analyze");
  std::string problem;
  const auto parsed = ParseArgs(args, {"--step", "--format"}, context, problem);
  if (parsed && parsed->Positional.size() != 1) {
    problem = context.Text(parsed->Positional.empty() ? cli_texts::MissingModel : cli_texts::TooManyArguments);
  }
  std::optional<int32_t> step = analysis::kFinestStep;
  std::string format = "text";
  if (problem.empty()) {
    if (const auto given = parsed->Option("--step")) {
      step = ParseStep(*given);
      problem = step ? problem : std::string(context.Text(cli_texts::BadStep));
    }
    format = parsed->Option("--format").value_or(format);
    problem = format == "text" || format == "json" ? problem : std::string(context.Text(cli_texts::BadAnalysisFormat));
  }
  if (!problem.empty()) {
    return UsageError(command, context, problem);
  }
  const auto session = OpenSession(parsed->Positional[0], context);
  if (!session) {
    return kExitBadModel;
  }
  const analysis::MechanismAnalysis result = analysis::Analyze(session->Model(), *step);
  if (format == "json") {
    WriteAnalysisJson(result, *step, context);
  } else {
    WriteAnalysisText(result, context);
  }
  return kExitOk;
}

}  // namespace morvane::cli
