#pragma once

// The one way every command reads its arguments: flags may stand anywhere,
// options are "--name value" pairs among those the command allows, and
// exactly one argument is the model file. The first problem found is kept,
// later checks leave it as it is, and Ok prints it with the usage line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_command.h"

namespace morvane::cli {

class ArgumentReader {
 public:
  ArgumentReader(const Command& command, std::vector<std::string> args, CliContext& context,
                 const std::vector<std::string_view>& options, const std::vector<std::string_view>& flags = {});

  // Whether the flag was given.
  bool Flag(std::string_view name) const;
  // The model file; empty after a problem.
  const std::string& Model() const { return model_; }
  // The value of the option's last use, as given.
  std::optional<std::string> Text(std::string_view name) const;
  // The option's value, or `missing` becomes the problem.
  std::string Required(std::string_view name, const Message& missing);
  // The option's value read by `read`, nullopt when it is absent; a value
  // that does not read makes `bad` the problem.
  template <typename Read>
  auto Value(std::string_view name, Read read, const Message& bad) -> decltype(read(std::string())) {
    const std::optional<std::string> given = Text(name);
    if (!given) {
      return std::nullopt;
    }
    auto value = read(*given);
    Check(value.has_value(), bad);
    return value;
  }
  // Makes `problem` the problem unless `holds`.
  void Check(bool holds, const Message& problem);
  // True without a problem; otherwise prints it with the usage line.
  bool Ok() const;

 private:
  void Fail(std::string problem);
  void Split(const std::vector<std::string>& args, const std::vector<std::string_view>& options);

  const Command& command_;
  CliContext& context_;
  std::vector<std::string_view> flags_;
  std::vector<std::pair<std::string, std::string>> options_;
  std::string model_;
  std::optional<std::string> problem_;
};

}  // namespace morvane::cli
