#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "model/message.h"
#include "session/session.h"

namespace morvane::cli {

enum ExitCode : int {
  kExitOk = 0,
  kExitBadModel = 2,
  kExitRefused = 3,
  kExitUsage = 64,
  // The output file could not be written (the sysexits code).
  kExitCannotWrite = 73,
};

struct CliContext {
  Language UiLanguage = Language::English;
  std::ostream& Out;
  std::ostream& Err;

  std::string_view Text(const Message& message) const { return TextFor(message, UiLanguage); }
};

// One subcommand: its name, its usage line (after "morvane-cli "), a one-line
// summary for --help, and the function that runs it with the arguments that
// follow the name.
struct Command {
  std::string_view Name;
  std::string_view Usage;
  Message Summary;
  int (*Run)(const std::vector<std::string>& args, CliContext& context);
};

const std::vector<Command>& Commands();
const Command& FindCommand(std::string_view name);

// Prints "usage: morvane-cli <usage>" on stderr and returns kExitUsage.
int UsageError(const Command& command, CliContext& context, std::string_view problem);

// A session holding the model read from a file; on failure prints the
// message on stderr and returns null.
std::unique_ptr<Session> OpenSession(const std::string& path, CliContext& context);

// Parses a whole decimal integer; nullopt for anything else.
std::optional<int> ParseInt(std::string_view text);

}  // namespace morvane::cli
