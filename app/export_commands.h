#pragma once

#include "export/export_progress.h"

namespace morvane::exporting {
class ExportProgressWindow;
class TformArea;
}  // namespace morvane::exporting

namespace morvane::app {

class DocumentView;

// btnImageSave and btnPrint: the area dialog over a fresh preview, then a
// picture file or a series sheet, or a print of one picture or of a series.
// The pictures are made in export/; this is the windows' part: the dialogs,
// the names, the disabled main window and the messages.
class ExportCommands {
 public:
  ExportCommands(DocumentView& view, exporting::TformArea& area, exporting::ExportProgressWindow& progress);

  void btnImageSaveClick();
  void btnPrintClick();

 private:
  DocumentView& view_;
  exporting::TformArea& area_;
  exporting::ExportProgressWindow& progress_;
};

}  // namespace morvane::app
