#include "app/export_commands.h"

#include <QPrinter>

#include "app/document_view.h"
#include "app/export_steps.h"
#include "app/form_main.h"
#include "app/user_dialogs.h"
#include "export/export_names.h"
#include "export/export_progress_window.h"
#include "export/export_texts.h"
#include "export/image_export.h"
#include "export/print_export.h"
#include "export/tform_area.h"

namespace morvane::app {

namespace {

using exporting::ExportScene;
}  // namespace

ExportCommands::ExportCommands(DocumentView& view, exporting::TformArea& area, exporting::ExportProgressWindow& progress)
    : view_(view), area_(area), progress_(progress) {}

void ExportCommands::btnImageSaveClick() {
  if (!ChooseExportArea(view_, area_, true)) {
    return;
  }
  const bool series = area_.SeriesWanted();
  const ExportSaveDialog dialog{export_texts::ImageSaveTitle,
                                series ? export_texts::SeriesFilters : export_texts::ImageFilters,
                                exporting::kImageExtensions};
  const std::optional<ExportFileChoice> file = ChooseExportFile(view_, dialog);
  if (!file) {
    return;
  }
  const exporting::ImageKind kind = exporting::ImageKindOfFilter(file->Filter);
  ExportScene scene{view_.Document(), view_.Main().Pictures(), area_.Area(), file->Proposed};
  const auto sheet = [&] { return exporting::SaveSeriesSheet(scene, kind.Format, file->Path, progress_); };
  ConcludeExport(view_, series ? WhileBusy(view_.Main(), sheet) : exporting::SaveSingleImage(scene, kind, file->Path));
}

void ExportCommands::btnPrintClick() {
  if (!ChooseExportArea(view_, area_, true)) {
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  if (!view_.Dialogs().SetUpPrinter(&view_.Main(), printer)) {
    return;
  }
  Session& session = view_.Document();
  ExportScene scene{session, view_.Main().Pictures(), area_.Area(),
                    exporting::PrintName(session.Names(), session.UiLanguage())};
  ConcludeExport(view_, area_.SeriesWanted()
                            ? WhileBusy(view_.Main(), [&] { return exporting::PrintSeries(scene, printer, progress_); })
                            : exporting::PrintSingleImage(scene, printer));
}

}  // namespace morvane::app
