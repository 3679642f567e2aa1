// morvane-cli export and series: the export area as a picture file, or the
// mechanism in 18 positions over one turn as a 1620 x 700 sheet, made as the
// desktop program's image export makes them, with the model file's name in
// the caption.

#include <string>
#include <vector>

#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/export_support.h"
#include "cli/turning.h"
#include "export/export_names.h"
#include "export/image_export.h"
#include "export/picture_files.h"
#include "view/canvas_pictures.h"

namespace morvane::cli {

namespace {

// The request with the format its output name asks for, or nullopt after
// printing the problem. A series sheet is made of pixels, so it is never SVG.
std::optional<std::pair<ExportRequest, exporting::ImageFormat>> PictureRequest(
    std::string_view name, const std::vector<std::string>& args, std::vector<std::string_view> options,
    bool sheet, CliContext& context) {
  const Command& command = FindCommand(name);
  auto request = ParseExportRequest(command, args, std::move(options), false, context);
  if (!request) {
    return std::nullopt;
  }
  const auto format = exporting::FormatOfName(request->OutputPath);
  if (!format || (sheet && *format == exporting::ImageFormat::Svg)) {
    UsageError(command, context, context.Text(sheet ? cli_texts::NotASheet : cli_texts::NotAPicture));
    return std::nullopt;
  }
  return std::pair(*request, *format);
}

}  // namespace

int RunExport(const std::vector<std::string>& args, CliContext& context) {
  const auto request = PictureRequest("export", args, {"--area", "--position", "--size"}, false, context);
  if (!request) {
    return kExitUsage;
  }
  const auto& [options, format] = *request;
  if (options.Size && *options.Size != "120x90") {
    return UsageError(FindCommand("export"), context, context.Text(cli_texts::OnlySmallSize));
  }
  const auto session = OpenSession(options.ModelPath, context);
  if (!session) {
    return kExitBadModel;
  }
  if (options.Position) {
    const DriveResult result = TurnStraightTo(*session, *options.Position, DefaultStep(session->Model().AngleStep));
    if (result.Status != DriveStatus::Moved) {
      return ReportUntakenStep(result, context);
    }
  }
  // As in the desktop program, a picture shows no loci of earlier turns.
  session->EraseLoci();
  const CaptionFonts fonts;
  view::CanvasPictures pictures;
  const exporting::ExportScene scene{*session, pictures, options.Area,
                                     exporting::PrintName(session->Names(), session->UiLanguage())};
  return ReportOutcome(exporting::SaveSingleImage(scene, {format, options.Size.has_value()}, options.OutputPath),
                       options.OutputPath, context);
}

int RunSeries(const std::vector<std::string>& args, CliContext& context) {
  const auto request = PictureRequest("series", args, {"--area"}, true, context);
  if (!request) {
    return kExitUsage;
  }
  const auto& [options, format] = *request;
  const auto session = OpenSession(options.ModelPath, context);
  if (!session) {
    return kExitBadModel;
  }
  const CaptionFonts fonts;
  view::CanvasPictures pictures;
  exporting::ExportScene scene{*session, pictures, options.Area,
                               exporting::PrintName(session->Names(), session->UiLanguage())};
  const auto progress = ProgressFor(context);
  return ReportOutcome(exporting::SaveSeriesSheet(scene, format, options.OutputPath, *progress),
                       options.OutputPath, context);
}

}  // namespace morvane::cli
