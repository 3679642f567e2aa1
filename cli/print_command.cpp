// morvane-cli print: the print of the desktop program into a PDF file, one
// picture on a landscape A4 page, or with --series the 18 positions of a
// turn on a portrait page.

#include <QPageSize>
#include <QPrinter>
#include <string>
#include <vector>

#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/export_support.h"
#include "export/export_names.h"
#include "export/picture_files.h"
#include "export/print_export.h"
#include "view/canvas_pictures.h"

namespace morvane::cli {

int RunPrint(const std::vector<std::string>& args, CliContext& context) {
  ArgumentReader reader(FindCommand("print"), args, context, {"-o", "--area"}, {"--series"});
  const ExportRequest request = ReadExportRequest(reader);
  reader.Check(exporting::LowerExtension(request.OutputPath) == ".pdf", cli_texts::NotAPdf);
  if (!reader.Ok()) {
    return kExitUsage;
  }
  const auto session = OpenSession(request.ModelPath, context);
  if (!session) {
    return kExitBadModel;
  }
  const CaptionFonts fonts;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageSize(QPageSize(QPageSize::A4));
  view::CanvasPictures pictures;
  exporting::ExportScene scene{*session, pictures, request.Area,
                               exporting::PrintName(session->Names(), session->UiLanguage())};
  // The file is named by the bytes given, which a QString could not carry.
  const exporting::PrintTarget target(printer, request.OutputPath);
  const auto progress = ProgressFor(context);
  const exporting::ExportOutcome outcome = request.Series ? exporting::PrintSeries(scene, target, *progress)
                                                           : exporting::PrintSingleImage(scene, target);
  return ReportOutcome(outcome, request.OutputPath, context);
}

}  // namespace morvane::cli
