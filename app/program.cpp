#include "app/program.h"

#include "app/analysis_window.h"
#include "app/canvas_editing.h"
#include "app/document_commands.h"
#include "app/examples_folder.h"
#include "app/examples_gallery.h"
#include "app/export_commands.h"
#include "app/form_main.h"
#include "app/form_propaty.h"
#include "app/movie_command.h"
#include "app/rotation_controls.h"
#include "app/solver_log_window.h"
#include "export/export_progress_window.h"
#include "export/tform_area.h"

namespace morvane::app {

Program::Program(Language language, UserDialogs& dialogs, std::string modelArgument)
    : session_(language),
      main_(std::make_unique<TformMain>(language, std::move(modelArgument))),
      propaty_(std::make_unique<TformPropaty>(language)),
      logWindow_(std::make_unique<SolverLogWindow>(session_, dialogs)),
      progressWindow_(std::make_unique<exporting::ExportProgressWindow>(language)),
      area_(std::make_unique<exporting::TformArea>(language, main_.get())),
      gallery_(std::make_unique<ExamplesGallery>(language, main_.get(), ExamplesFolder())),
      view_(std::make_unique<DocumentView>(session_, *main_, dialogs)),
      documentCommands_(std::make_unique<DocumentCommands>(*view_)),
      rotationControls_(std::make_unique<RotationControls>(*view_)),
      exports_(std::make_unique<ExportCommands>(*view_, *area_, *progressWindow_)),
      movies_(std::make_unique<MovieCommand>(*view_, *area_, *progressWindow_)),
      canvasEditing_(std::make_unique<CanvasEditing>(*view_, *propaty_)),
      analysis_(std::make_unique<TformAnalysis>(*view_, main_.get())) {
  QObject::connect(main_.get(), &TformMain::btnDebugClick, logWindow_.get(), &SolverLogWindow::SetOpen);
  QObject::connect(logWindow_.get(), &SolverLogWindow::Closed, main_.get(), &TformMain::ReleaseDebugButton);
  QObject::connect(main_.get(), &TformMain::btnImageSaveClick, [this] { exports_->btnImageSaveClick(); });
  QObject::connect(main_.get(), &TformMain::btnPrintClick, [this] { exports_->btnPrintClick(); });
  QObject::connect(main_.get(), &TformMain::btnMakeMovieClick, [this] { movies_->btnMakeMovieClick(); });
  QObject::connect(main_.get(), &TformMain::btnExamplesClick, [this] {
    if (const std::optional<std::string> example = gallery_->Choose()) {
      documentCommands_->OpenExample(*example);
    }
  });
  QObject::connect(main_.get(), &TformMain::btnAnalysisClick, [this] { analysis_->Open(); });
  view_->SetAfterRedraw([this] { analysis_->AfterRedraw(); });
}

Program::~Program() = default;

}  // namespace morvane::app
