// morvane-cli movie: the desktop program's movie export, two turns of the
// mechanism as an MPEG-1 or AVI movie or one turn as a looping GIF
// animation, captioned with the model file's name from 240 pixels high.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/export_support.h"
#include "cli/picture_options.h"
#include "export/export_names.h"
#include "export/movies/movie_export.h"
#include "view/canvas_pictures.h"

namespace morvane::cli {

namespace {

constexpr char kDefaultSize[] = "320x240";

// The writer the output name asks for, at the size asked for.
std::optional<exporting::MovieKind> MovieKindOf(const ExportRequest& request, ArgumentReader& reader) {
  const auto format = exporting::MovieFormatOfName(request.OutputPath);
  reader.Check(format.has_value(), cli_texts::NotAMovie);
  const auto size = ParseSize(request.Size.value_or(kDefaultSize));
  const auto kind = format && size ? exporting::FindMovieKind(*format, size->width(), size->height()) : std::nullopt;
  reader.Check(kind.has_value(), cli_texts::MovieSizes);
  return kind;
}

}  // namespace

int RunMovie(const std::vector<std::string>& args, CliContext& context) {
  ArgumentReader reader(FindCommand("movie"), args, context, {"-o", "--area", "--size"});
  const ExportRequest request = ReadExportRequest(reader);
  const auto kind = MovieKindOf(request, reader);
  if (!reader.Ok()) {
    return kExitUsage;
  }
  const auto session = OpenSession(request.ModelPath, context);
  if (!session) {
    return kExitBadModel;
  }
  const CaptionFonts fonts;
  view::CanvasPictures pictures;
  exporting::ExportScene scene{*session, pictures, request.Area,
                               exporting::PrintName(session->Names(), session->UiLanguage())};
  const auto progress = ProgressFor(context);
  return ReportOutcome(exporting::SaveMovie(scene, *kind, request.OutputPath, *progress), request.OutputPath,
                       context);
}

}  // namespace morvane::cli
