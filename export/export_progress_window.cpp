#include "export/export_progress_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include "export/export_texts.h"
#include "export/progress_text.h"
#include "view/qt_text.h"

namespace morvane::exporting {

namespace {

constexpr int kClientWidth = 402;
constexpr int kClientHeight = 74;

}  // namespace

ExportProgressWindow::ExportProgressWindow(Language language, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      language_(language) {
  setObjectName("formAVI");
  setFixedSize(kClientWidth, kClientHeight);

  lblAVI_ = new QLabel(this);
  lblAVI_->setObjectName("lblAVI");
  lblAVI_->setGeometry(12, 10, kClientWidth - 24, 18);

  progressAVI_ = new QProgressBar(this);
  progressAVI_->setObjectName("ProgressAVI");
  progressAVI_->setGeometry(12, 38, kClientWidth - 24, 22);
  progressAVI_->setRange(0, 100);
  progressAVI_->setTextVisible(false);

  SetCaption(export_texts::ProgressCaption);
  SetLabel(export_texts::ProgressLabel);
}

void ExportProgressWindow::SetCaption(const Message& caption) { setWindowTitle(TextOf(caption, language_)); }

void ExportProgressWindow::SetLabel(const Message& label) { SetLabelText(TextOf(label, language_)); }

void ExportProgressWindow::SetProgress(const Message& progressText, int percent) {
  progressAVI_->setValue(percent);
  SetLabelText(ToQString(ProgressLine(TextFor(progressText, language_), percent)));
}

void ExportProgressWindow::ShowAtTopLeft() {
  move(screen()->geometry().topLeft());
  show();
  raise();
}

void ExportProgressWindow::Start(const Message& caption, const Message& label) {
  SetCaption(caption);
  SetLabel(label);
  progressAVI_->setValue(0);
  ShowAtTopLeft();
}

void ExportProgressWindow::SetLabelText(const QString& text) {
  lblAVI_->setText(text);
  // Paints every change waiting in the window, the bar's included.
  repaint();
}

}  // namespace morvane::exporting
