#include "cli/cli_command.h"

#include <algorithm>
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

std::optional<std::string> ParsedArgs::Option(std::string_view name) const {
  std::optional<std::string> value;
  for (const auto& [key, given] : Options) {
    if (key == name) {
      value = given;
    }
  }
  return value;
}

bool TakeFlag(std::vector<std::string>& args, std::string_view flag) {
  const auto found = std::find(args.begin(), args.end(), flag);
  if (found == args.end()) {
    return false;
  }
  args.erase(found);
  return true;
}

std::optional<ParsedArgs> ParseArgs(const std::vector<std::string>& args,
                                    const std::vector<std::string_view>& allowed, const CliContext& context,
                                    std::string& problem) {
  ParsedArgs parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg[0] != '-') {
      parsed.Positional.push_back(arg);
      continue;
    }
    bool known = false;
    for (std::string_view name : allowed) {
      known = known || arg == name;
    }
    if (!known || i + 1 >= args.size()) {
      problem = std::string(context.Text(known ? cli_texts::MissingValue : cli_texts::UnknownOption)) + ": " + arg;
      return std::nullopt;
    }
    parsed.Options.emplace_back(arg, args[++i]);
  }
  return parsed;
}

std::optional<std::string> SingleModelArgument(const std::vector<std::string>& args, const Command& command,
                                               CliContext& context) {
  std::string problem;
  const auto parsed = ParseArgs(args, {}, context, problem);
  if (parsed && parsed->Positional.size() == 1) {
    return parsed->Positional[0];
  }
  if (parsed) {
    problem =
        std::string(context.Text(parsed->Positional.empty() ? cli_texts::MissingModel : cli_texts::TooManyArguments));
  }
  UsageError(command, context, problem);
  return std::nullopt;
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
