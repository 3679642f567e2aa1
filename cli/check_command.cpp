#include <memory>

#include "cli/argument_reader.h"
#include "cli/cli_texts.h"
#include "cli/commands.h"

namespace morvane::cli {

int RunCheck(const std::vector<std::string>& args, CliContext& context) {
  const ArgumentReader reader(FindCommand("check"), args, context, {});
  if (!reader.Ok()) {
    return kExitUsage;
  }
  const std::string& path = reader.Model();
  const auto session = OpenSession(path, context);
  if (!session) {
    return kExitBadModel;
  }
  context.Out << path << ": " << context.Text(cli_texts::Sound) << " (" << context.Text(cli_texts::PartsLabel) << ' '
              << session->Model().PartCount << ")\n";
  return kExitOk;
}

}  // namespace morvane::cli
