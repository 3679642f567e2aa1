#pragma once

#include "cli/cli_command.h"
#include "export/export_progress.h"

namespace morvane::cli {

// The progress of a long export as one line redrawn in place, a bar and the
// export's own progress text, for a person watching a terminal.
class ProgressBar final : public exporting::ExportProgress {
 public:
  explicit ProgressBar(CliContext& context) : context_(context) {}

  void Start(const Message&, const Message&) override {}
  void Step(const Message& progressText, int percent) override;
  void Note(const Message& label) override;
  // Ends the line, so that what follows starts on a line of its own.
  void Finish() override;

 private:
  CliContext& context_;
  bool drawn_ = false;
};

}  // namespace morvane::cli
