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

// The picture format the output name asks for. A series sheet is made of
// pixels, so it is never SVG.
std::optional<exporting::ImageFormat> PictureFormat(const ExportRequest& request, bool sheet,
                                                    ArgumentReader& reader) {
  const auto format = exporting::FormatOfName(request.OutputPath);
  reader.Check(format && !(sheet && *format == exporting::ImageFormat::Svg),
               sheet ? cli_texts::NotASheet : cli_texts::NotAPicture);
  return format;
}

}  // namespace

int RunExport(const std::vector<std::string>& args, CliContext& context) {
  ArgumentReader reader(FindCommand("export"), args, context, {"-o", "--area", "--position", "--size"});
  const ExportRequest options = ReadExportRequest(reader);
  const auto format = PictureFormat(options, false, reader);
  reader.Check(!options.Size || *options.Size == "120x90", cli_texts::OnlySmallSize);
  if (!reader.Ok()) {
    return kExitUsage;
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
  return ReportOutcome(exporting::SaveSingleImage(scene, {*format, options.Size.has_value()}, options.OutputPath),
                       options.OutputPath, context);
}

int RunSeries(const std::vector<std::string>& args, CliContext& context) {
  ArgumentReader reader(FindCommand("series"), args, context, {"-o", "--area"});
  const ExportRequest options = ReadExportRequest(reader);
  const auto format = PictureFormat(options, true, reader);
  if (!reader.Ok()) {
    return kExitUsage;
  }
  const auto session = OpenSession(options.ModelPath, context);
  if (!session) {
    return kExitBadModel;
  }
  const CaptionFonts fonts;
  view::CanvasPictures pictures;
  exporting::ExportScene scene{*session, pictures, options.Area,
                               exporting::PrintName(session->Names(), session->UiLanguage())};
  const auto progress = ProgressFor(context);
  return ReportOutcome(exporting::SaveSeriesSheet(scene, *format, options.OutputPath, *progress),
                       options.OutputPath, context);
}

}  // namespace morvane::cli
