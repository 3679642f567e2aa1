#include "app/export_commands.h"

#include <QPrinter>
#include <QStandardPaths>
#include <filesystem>
#include <functional>
#include <system_error>

#include "app/document_view.h"
#include "app/form_main.h"
#include "app/user_dialogs.h"
#include "export/capture_frame.h"
#include "export/export_names.h"
#include "export/export_texts.h"
#include "export/image_export.h"
#include "export/print_export.h"
#include "export/tform_area.h"
#include "export/tform_avi.h"
#include "model/model_file.h"
#include "view/qt_text.h"

namespace morvane::app {

namespace {

using exporting::ExportOutcome;
using exporting::ExportScene;
namespace texts = exporting::texts;

std::string DocumentsFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

// A series takes a while and turns the mechanism: the main window takes no
// input meanwhile, and takes it again on every way out.
class BusyWindow {
 public:
  explicit BusyWindow(QWidget& window) : window_(window) { window_.setEnabled(false); }
  ~BusyWindow() { window_.setEnabled(true); }
  BusyWindow(const BusyWindow&) = delete;
  BusyWindow& operator=(const BusyWindow&) = delete;

 private:
  QWidget& window_;
};

// The main window takes input again before the messages are shown.
ExportOutcome WhileBusy(QWidget& window, const std::function<ExportOutcome()>& run) {
  const BusyWindow busy(window);
  return run();
}

}  // namespace

ExportCommands::ExportCommands(DocumentView& view, exporting::TformArea& area, exporting::TformAVI& progress)
    : view_(view), area_(area), progress_(progress) {}

bool ExportCommands::ChooseArea() {
  Session& session = view_.Document();
  area_.Prepare(exporting::CaptureFrame(view_.Main().Pictures(), session.Model(), session.Loci(), {}), true);
  session.EraseLoci();
  view_.Redraw();
  return area_.exec() == QDialog::Accepted;
}

void ExportCommands::btnImageSaveClick() {
  if (!ChooseArea()) {
    return;
  }
  Session& session = view_.Document();
  const Language language = session.UiLanguage();
  const bool series = area_.SeriesWanted();
  const std::string folder = session.StartFolder(DocumentsFolder());
  // The caption shows this name even when the user types another.
  const std::string proposed =
      exporting::ProposeExportName(session.Names(), exporting::kImageExtensions, language, FileExists);
  const FileRequest request{TextOf(texts::ImageSaveTitle, language), ToQString(folder), ToQString(proposed),
                            TextOf(series ? texts::SeriesFilters : texts::ImageFilters, language),
                            QStringLiteral("jpg")};
  const std::optional<FileChoice> choice = view_.Dialogs().ChooseSaveFile(&view_.Main(), request);
  if (!choice) {
    return;
  }
  const int filter = choice->FilterIndex + 1;
  const std::string path = WithExtension(choice->Path.toStdString(), exporting::ImageFilterExtension(filter));
  session.RememberFile(path);
  const exporting::ImageKind kind = exporting::ImageKindOfFilter(filter);
  ExportScene scene{session, view_.Main().Pictures(), area_.Area(), proposed};
  Conclude(series ? WhileBusy(view_.Main(),
                              [&] { return exporting::SaveSeriesSheet(scene, kind.Format, path, progress_); })
                  : exporting::SaveSingleImage(scene, kind, path));
}

void ExportCommands::btnPrintClick() {
  if (!ChooseArea()) {
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  if (!view_.Dialogs().SetUpPrinter(&view_.Main(), printer)) {
    return;
  }
  Session& session = view_.Document();
  ExportScene scene{session, view_.Main().Pictures(), area_.Area(),
                    exporting::PrintName(session.Names(), session.UiLanguage())};
  Conclude(area_.SeriesWanted()
               ? WhileBusy(view_.Main(), [&] { return exporting::PrintSeries(scene, printer, progress_); })
               : exporting::PrintSingleImage(scene, printer));
}

void ExportCommands::Conclude(const ExportOutcome& outcome) {
  view_.Document().EraseLoci();
  view_.Update();
  for (const std::string& text : outcome.Messages) {
    view_.Show(Notice{Notice::Style::Plain, text});
  }
}

}  // namespace morvane::app
