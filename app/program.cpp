#include "app/program.h"

#include "app/canvas_editing.h"
#include "app/document_commands.h"
#include "app/export_commands.h"
#include "app/form_debug.h"
#include "app/form_main.h"
#include "app/form_propaty.h"
#include "app/movie_command.h"
#include "app/rotation_controls.h"
#include "export/tform_area.h"
#include "export/tform_avi.h"

namespace morvane::app {

Program::Program(Language language, UserDialogs& dialogs, std::string modelArgument)
    : session_(language),
      main_(std::make_unique<TformMain>(language, dialogs, std::move(modelArgument))),
      propaty_(std::make_unique<TformPropaty>(language)),
      debug_(std::make_unique<TformDebug>(session_, dialogs)),
      avi_(std::make_unique<exporting::TformAVI>(language)),
      area_(std::make_unique<exporting::TformArea>(language, main_.get())),
      view_(std::make_unique<DocumentView>(session_, *main_, dialogs)),
      documentCommands_(std::make_unique<DocumentCommands>(*view_)),
      rotationControls_(std::make_unique<RotationControls>(*view_, *debug_)),
      exports_(std::make_unique<ExportCommands>(*view_, *area_, *avi_)),
      movies_(std::make_unique<MovieCommand>(*view_, *area_, *avi_)),
      canvasEditing_(std::make_unique<CanvasEditing>(*view_, *propaty_)) {
  QObject::connect(main_.get(), &TformMain::btnDebugClick, debug_.get(), &TformDebug::SetOpen);
  QObject::connect(debug_.get(), &TformDebug::Closed, main_.get(), &TformMain::ReleaseDebugButton);
  QObject::connect(main_.get(), &TformMain::btnImageSaveClick, [this] { exports_->btnImageSaveClick(); });
  QObject::connect(main_.get(), &TformMain::btnPrintClick, [this] { exports_->btnPrintClick(); });
  QObject::connect(main_.get(), &TformMain::btnMakeMovieClick, [this] { movies_->btnMakeMovieClick(); });
}

Program::~Program() = default;

}  // namespace morvane::app
