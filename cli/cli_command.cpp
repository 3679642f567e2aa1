#include "cli/cli_command.h"

#include <charconv>

#include "cli/cli_texts.h"

namespace morvane::cli {

const Command& FindCommand(std::string_view name) {
  for (const Command& command : Commands()) {
    if (command.Name == name) {
      return command;
    }
  }
  return Commands().front();
}

int UsageError(const Command& command, CliContext& context, std::string_view problem) {
  if (!problem.empty()) {
    context.Err << "morvane-cli " << command.Name << ": " << problem << '\n';
  }
  context.Err << context.Text(cli_texts::Usage) << ": morvane-cli " << command.Usage << '\n';
  return kExitUsage;
}

std::unique_ptr<Session> OpenSession(const std::string& path, CliContext& context) {
  auto session = std::make_unique<Session>(context.UiLanguage);
  if (const Reply failure = session->Open(path)) {
    context.Err << path << ": " << failure->Text << '\n';
    return nullptr;
  }
  return session;
}

std::optional<int> ParseInt(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) {
    return std::nullopt;
  }
  return value;
}

}  // namespace morvane::cli
