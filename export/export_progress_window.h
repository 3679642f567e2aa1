#pragma once

#include <QDialog>

#include "export/export_progress.h"
#include "model/message.h"

class QLabel;
class QProgressBar;

namespace morvane::exporting {

// The progress window of every export that takes a while (series, movies,
// series prints). It has no border icons and stays on top. The export loops
// run on the user-interface thread and let events through only now and then,
// so every change repaints at once instead of waiting for the event loop.
class ExportProgressWindow : public QDialog, public ExportProgress {
  Q_OBJECT

 public:
  explicit ExportProgressWindow(Language language, QWidget* parent = nullptr);

  void SetCaption(const Message& caption);
  void SetLabel(const Message& label);
  // The label becomes the progress text with the percentage for its %d, and
  // the bar shows the same percentage.
  void SetProgress(const Message& progressText, int percent);
  // At the screen's top-left corner.
  void ShowAtTopLeft();

  // The exports' progress: the window at the screen's top-left corner while
  // the export runs.
  void Start(const Message& caption, const Message& label) override;
  void Step(const Message& progressText, int percent) override { SetProgress(progressText, percent); }
  void Note(const Message& label) override { SetLabel(label); }
  void Finish() override { hide(); }

 private:
  void SetLabelText(const QString& text);

  Language language_;
  QLabel* lblAVI_ = nullptr;
  QProgressBar* progressAVI_ = nullptr;
};

}  // namespace morvane::exporting
