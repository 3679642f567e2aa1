#include "app/movie_command.h"

#include <QAbstractButton>

#include "app/document_view.h"
#include "app/export_steps.h"
#include "app/form_main.h"
#include "export/export_names.h"
#include "export/export_progress_window.h"
#include "export/export_texts.h"
#include "export/movies/movie_export.h"
#include "export/movies/movies_texts.h"
#include "export/tform_area.h"

namespace morvane::app {

namespace {

const ExportSaveDialog kMovieSaveDialog{export_texts::MovieCaption, movies_texts::MovieFilters,
                                        exporting::kMovieExtensions};

}  // namespace

MovieCommand::MovieCommand(DocumentView& view, exporting::TformArea& area, exporting::ExportProgressWindow& progress)
    : view_(view), area_(area), progress_(progress) {}

void MovieCommand::btnMakeMovieClick() {
  // Automatic rotation would turn the mechanism under the preview and the
  // recording.
  view_.PlayButton().setChecked(false);
  view_.BackButton().setChecked(false);
  if (!ChooseExportArea(view_, area_, false)) {
    return;
  }
  const std::optional<ExportFileChoice> file = ChooseExportFile(view_, kMovieSaveDialog);
  if (!file) {
    return;
  }
  exporting::ExportScene scene{view_.Document(), view_.Main().Pictures(), area_.Area(), file->Proposed};
  const exporting::MovieKind kind = exporting::MovieKindOfFilter(file->Filter);
  ConcludeExport(view_, WhileBusy(view_.Main(), [&] { return SaveMovie(scene, kind, file->Path, progress_); }));
}

}  // namespace morvane::app
