#pragma once

#include <memory>
#include <string>

#include "app/document_view.h"
#include "model/message.h"
#include "session/session.h"

namespace morvane::exporting {
class ExportProgressWindow;
class TformArea;
}  // namespace morvane::exporting

namespace morvane::app {

class CanvasEditing;
class DocumentCommands;
class ExamplesGallery;
class ExportCommands;
class MovieCommand;
class RotationControls;
class SolverLogWindow;
class TformAnalysis;
class TformMain;
class TformPropaty;
class UserDialogs;

// One run of the program: the document and its windows, the five designed
// ones in their fixed order and then the examples gallery, kept until the end.
class Program {
 public:
  Program(Language language, UserDialogs& dialogs, std::string modelArgument);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Session& Document() { return session_; }
  DocumentView& View() { return *view_; }
  TformMain& Main() { return *main_; }
  TformPropaty& Propaty() { return *propaty_; }
  SolverLogWindow& LogWindow() { return *logWindow_; }
  exporting::ExportProgressWindow& ProgressWindow() { return *progressWindow_; }
  exporting::TformArea& Area() { return *area_; }
  ExamplesGallery& Gallery() { return *gallery_; }
  TformAnalysis& Analysis() { return *analysis_; }

 private:
  Session session_;
  std::unique_ptr<TformMain> main_;
  std::unique_ptr<TformPropaty> propaty_;
  std::unique_ptr<SolverLogWindow> logWindow_;
  std::unique_ptr<exporting::ExportProgressWindow> progressWindow_;
  std::unique_ptr<exporting::TformArea> area_;
  std::unique_ptr<ExamplesGallery> gallery_;
  std::unique_ptr<DocumentView> view_;
  // After the view and the windows, which they use to the end.
  std::unique_ptr<DocumentCommands> documentCommands_;
  std::unique_ptr<RotationControls> rotationControls_;
  std::unique_ptr<ExportCommands> exports_;
  std::unique_ptr<MovieCommand> movies_;
  std::unique_ptr<CanvasEditing> canvasEditing_;
  std::unique_ptr<TformAnalysis> analysis_;
};

}  // namespace morvane::app
