#pragma once

// What the picture, series and print commands share: their arguments, a
// QGuiApplication for the captions' font, the progress on stderr and the
// exit status of an export.

#include <QGuiApplication>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/argument_reader.h"
#include "cli/cli_command.h"
#include "export/export_area.h"
#include "export/export_progress.h"

namespace morvane::cli {

struct ExportRequest {
  std::string ModelPath;
  std::string OutputPath;
  exporting::ExportArea Area;
  std::optional<int32_t> Position;
  // "--size" as given; each command checks it against the sizes it makes.
  std::optional<std::string> Size;
  bool Series = false;
};

// The model, -o OUT, and those of "--area", "--position", "--size" and
// "--series" that the reader allows; problems stay in the reader.
ExportRequest ReadExportRequest(ArgumentReader& reader);

// Captions are drawn in a named font, and fonts need a QGuiApplication; the
// offscreen platform needs no display.
class CaptionFonts {
 public:
  CaptionFonts() = default;
  CaptionFonts(const CaptionFonts&) = delete;
  CaptionFonts& operator=(const CaptionFonts&) = delete;

 private:
  int argc_ = 3;
  char name_[12] = "morvane-cli";
  char option_[10] = "-platform";
  char platform_[10] = "offscreen";
  char* argv_[4] = {name_, option_, platform_, nullptr};
  QGuiApplication application_{argc_, argv_};
};

// A bar redrawn in place for a person at a terminal; nothing in a script or
// a log, where a command writes only its result and its errors.
std::unique_ptr<exporting::ExportProgress> ProgressFor(CliContext& context);

// The messages on stderr and the exit status: 0 done, 3 a series stopped by
// a refused move, 73 the output file not written.
int ReportOutcome(const exporting::ExportOutcome& outcome, const std::string& outputPath, CliContext& context);

}  // namespace morvane::cli
