#pragma once

#include <string>
#include <vector>

#include "cli/cli_command.h"

namespace morvane::cli {

// One function per subcommand, each in its own file.
int RunInfo(const std::vector<std::string>& args, CliContext& context);
int RunCheck(const std::vector<std::string>& args, CliContext& context);
int RunTrace(const std::vector<std::string>& args, CliContext& context);
int RunDrive(const std::vector<std::string>& args, CliContext& context);
int RunRender(const std::vector<std::string>& args, CliContext& context);
int RunExport(const std::vector<std::string>& args, CliContext& context);
int RunSeries(const std::vector<std::string>& args, CliContext& context);
int RunPrint(const std::vector<std::string>& args, CliContext& context);
int RunMovie(const std::vector<std::string>& args, CliContext& context);
int RunAnalyze(const std::vector<std::string>& args, CliContext& context);

}  // namespace morvane::cli
