#pragma once

// The steps the export commands of the main window share: where the save
// dialog starts, the area dialog over a fresh preview, the main window kept
// from input while an export turns the mechanism, and the end that every
// export command comes to.

#include <QWidget>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "export/export_progress.h"
#include "model/message.h"

namespace morvane::exporting {
class TformArea;
}  // namespace morvane::exporting

namespace morvane::app {

class DocumentView;

// What an export's save dialog shows and how its answer is read.
struct ExportSaveDialog {
  Message Title;
  // Each filter's pattern gives the extension of the file written.
  Message Filters;
  // The extensions a new name must be free for.
  std::span<const std::string_view> Extensions;
};

struct ExportFileChoice {
  std::string Path;
  // Counted from 1.
  int Filter = 0;
  // The name the dialog proposed, which captions show even when the user
  // typed another.
  std::string Proposed;
};

// The save dialog, started from the last folder (or the documents folder)
// with a free name proposed. The chosen name gets its filter's extension
// unless it has it, and the next dialogs start from it. Nothing when the user
// cancels. It stands over the main window unless another `parent` is given.
std::optional<ExportFileChoice> ChooseExportFile(DocumentView& view, const ExportSaveDialog& dialog,
                                                 QWidget* parent = nullptr);

// The preview shows the loci, which are then erased: no export shows the
// loci of earlier turns. The series box is offered or hidden. False when the
// user cancels.
bool ChooseExportArea(DocumentView& view, exporting::TformArea& area, bool offerSeries);

// The loci erased, the canvas and the controls brought up to date, then the
// outcome's messages shown.
void ConcludeExport(DocumentView& view, const exporting::ExportOutcome& outcome);

// Runs an export that takes a while and turns the mechanism with the main
// window taking no input, and taking it again on every way out, before any
// message is shown (a message box over a disabled window would take no
// input either).
exporting::ExportOutcome WhileBusy(QWidget& window, const std::function<exporting::ExportOutcome()>& run);

}  // namespace morvane::app
