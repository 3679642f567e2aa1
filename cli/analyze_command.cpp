// morvane-cli analyze: what the mechanism does over its range, for people
// (text) or programs (json).

#include "analysis/mechanism_analysis.h"
#include "cli/analysis_report.h"
#include "cli/argument_reader.h"
#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/turning.h"

namespace morvane::cli {

int RunAnalyze(const std::vector<std::string>& args, CliContext& context) {
  ArgumentReader reader(FindCommand("analyze"), args, context, {"--step", "--format"});
  // A bad format is told before a bad step.
  const std::string format = reader.Text("--format").value_or("text");
  reader.Check(format == "text" || format == "json", cli_texts::BadAnalysisFormat);
  const int32_t step = reader.Value("--step", ParseStep, cli_texts::BadStep).value_or(analysis::kFinestStep);
  if (!reader.Ok()) {
    return kExitUsage;
  }
  const auto session = OpenSession(reader.Model(), context);
  if (!session) {
    return kExitBadModel;
  }
  const analysis::MechanismAnalysis result = analysis::Analyze(session->Model(), step);
  if (format == "json") {
    WriteAnalysisJson(result, step, context);
  } else {
    WriteAnalysisText(result, context);
  }
  return kExitOk;
}

}  // namespace morvane::cli
