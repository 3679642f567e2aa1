#include "cli/argument_reader.h"

#include <algorithm>

#include "cli/cli_texts.h"

namespace morvane::cli {

ArgumentReader::ArgumentReader(const Command& command, std::vector<std::string> args, CliContext& context,
                               const std::vector<std::string_view>& options,
                               const std::vector<std::string_view>& flags)
    : command_(command), context_(context) {
  // A flag is taken out where it stands, once, before the options are read;
  // given twice, its second use is an unknown option.
  for (std::string_view flag : flags) {
    const auto found = std::find(args.begin(), args.end(), flag);
    if (found != args.end()) {
      flags_.push_back(flag);
      args.erase(found);
    }
  }
  Split(args, options);
}

void ArgumentReader::Split(const std::vector<std::string>& args, const std::vector<std::string_view>& options) {
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg[0] != '-') {
      positional.push_back(arg);
      continue;
    }
    const bool known = std::find(options.begin(), options.end(), arg) != options.end();
    if (!known || i + 1 >= args.size()) {
      Fail(std::string(context_.Text(known ? cli_texts::MissingValue : cli_texts::UnknownOption)) + ": " + arg);
      return;
    }
    options_.emplace_back(arg, args[++i]);
  }
  Check(!positional.empty(), cli_texts::MissingModel);
  Check(positional.size() <= 1, cli_texts::TooManyArguments);
  if (!problem_) {
    model_ = positional[0];
  }
}

bool ArgumentReader::Flag(std::string_view name) const {
  return std::find(flags_.begin(), flags_.end(), name) != flags_.end();
}

std::optional<std::string> ArgumentReader::Text(std::string_view name) const {
  std::optional<std::string> value;
  for (const auto& [key, given] : options_) {
    if (key == name) {
      value = given;
    }
  }
  return value;
}

std::string ArgumentReader::Required(std::string_view name, const Message& missing) {
  const std::optional<std::string> value = Text(name);
  Check(value.has_value(), missing);
  return value.value_or(std::string());
}

void ArgumentReader::Check(bool holds, const Message& problem) {
  if (!holds) {
    Fail(std::string(context_.Text(problem)));
  }
}

void ArgumentReader::Fail(std::string problem) {
  if (!problem_) {
    problem_ = std::move(problem);
  }
}

bool ArgumentReader::Ok() const {
  if (problem_) {
    UsageError(command_, context_, *problem_);
  }
  return !problem_;
}

}  // namespace morvane::cli
