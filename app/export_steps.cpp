#include "app/export_steps.h"

#include <filesystem>
#include <system_error>

#include "app/document_view.h"
#include "app/form_main.h"
#include "app/user_dialogs.h"
#include "export/capture_frame.h"
#include "export/export_names.h"
#include "export/tform_area.h"
#include "model/model_file.h"
#include "view/qt_text.h"

namespace morvane::app {

namespace {

class BusyWindow {
 public:
  explicit BusyWindow(QWidget& window) : window_(window) { window_.setEnabled(false); }
  ~BusyWindow() { window_.setEnabled(true); }
  BusyWindow(const BusyWindow&) = delete;
  BusyWindow& operator=(const BusyWindow&) = delete;

 private:
  QWidget& window_;
};

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

}  // namespace

std::optional<ExportFileChoice> ChooseExportFile(DocumentView& view, const ExportSaveDialog& dialog,
                                                 QWidget* parent) {
  Session& session = view.Document();
  const Language language = session.UiLanguage();
  const std::string folder = session.StartFolder(DocumentsFolder());
  const std::string proposed = exporting::ProposeExportName(session.Names(), dialog.Extensions, language, FileExists);
  const FileRequest request{TextOf(dialog.Title, language), ToQString(folder), ToQString(proposed),
                            TextOf(dialog.Filters, language), QString()};
  const std::optional<FileChoice> choice = view.Dialogs().ChooseSaveFile(parent != nullptr ? parent : &view.Main(), request);
  if (!choice) {
    return std::nullopt;
  }
  const std::string path = choice->Path.toStdString();
  session.RememberFile(path);
  return ExportFileChoice{path, choice->FilterIndex + 1, proposed};
}

bool ChooseExportArea(DocumentView& view, exporting::TformArea& area, bool offerSeries) {
  Session& session = view.Document();
  area.Prepare(exporting::CaptureFrame(view.Main().Pictures(), session.Model(), session.Loci(), {}), offerSeries);
  session.EraseLoci();
  view.Redraw();
  return area.exec() == QDialog::Accepted;
}

exporting::ExportOutcome WhileBusy(QWidget& window, const std::function<exporting::ExportOutcome()>& run) {
  const BusyWindow busy(window);
  return run();
}

void ConcludeExport(DocumentView& view, const exporting::ExportOutcome& outcome) {
  view.Document().EraseLoci();
  view.Update();
  for (const std::string& text : outcome.Messages) {
    view.Show(Notice{Notice::Style::Plain, text});
  }
}

}  // namespace morvane::app
