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

// Options of the form "--name value"; the first argument that is not an option
// is the positional one.
struct ParsedArgs {
  std::vector<std::string> Positional;
  std::vector<std::pair<std::string, std::string>> Options;

  std::optional<std::string> Option(std::string_view name) const;
};

// Takes a flag without a value ("--series") out of the arguments wherever it
// stands, before ParseArgs reads the rest; whether it was there.
bool TakeFlag(std::vector<std::string>& args, std::string_view flag);

// Splits args into positional arguments and the allowed "--name value" options;
// returns nullopt with `problem` describing an unknown or incomplete option.
std::optional<ParsedArgs> ParseArgs(const std::vector<std::string>& args,
                                    const std::vector<std::string_view>& allowed, const CliContext& context,
                                    std::string& problem);

// The one model-file argument of commands that take nothing else; on a
// problem prints the usage and returns nullopt.
std::optional<std::string> SingleModelArgument(const std::vector<std::string>& args, const Command& command,
                                               CliContext& context);

// Parses a whole decimal integer; nullopt for anything else.
std::optional<int> ParseInt(std::string_view text);

}  // namespace morvane::cli
