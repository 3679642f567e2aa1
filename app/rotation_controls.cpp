#include "app/rotation_controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>

#include "app/document_view.h"
#include "app/form_debug.h"
#include "app/form_main.h"

namespace morvane::app {

namespace {

// The palette, the whole-model buttons and the file commands stand on this
// panel; none of them may act while the mechanism turns by itself.
QWidget& LeftPanel(TformMain& main) {
  QWidget* panel = main.findChild<QWidget*>(QStringLiteral("pnlLeft"));
  if (panel == nullptr) {
    qFatal("the main window has no pnlLeft");
  }
  return *panel;
}

Rotation Other(Rotation direction) { return direction == Rotation::Forward ? Rotation::Backward : Rotation::Forward; }

}  // namespace

RotationControls::RotationControls(DocumentView& view, TformDebug& debug)
    : view_(view), debug_(debug), leftPanel_(LeftPanel(view.Main())) {
  TformMain& main = view.Main();
  pace_.setTimerType(Qt::PreciseTimer);
  pace_.setInterval(kAutoStepInterval);
  connect(&pace_, &QTimer::timeout, this, &RotationControls::Tick);
  connect(&main, &TformMain::TrackBar1Change, this, &RotationControls::Step);
  connect(&main, &TformMain::cmbSpeedChange, this, [this](int index) { view_.Document().SetSpeed(index); });
  connect(&main, &TformMain::btnPlayClick, this, [this](bool down) { Toggle(Rotation::Forward, down); });
  connect(&main, &TformMain::btnBackClick, this, [this](bool down) { Toggle(Rotation::Backward, down); });
}

void RotationControls::Step(int position) {
  const DriveResult result = view_.Document().DriveTo(position);
  if (debug_.isVisible()) {
    debug_.Refresh();
  }
  if (result.Status == DriveStatus::Refused) {
    Refuse(result);
  } else if (result.Status == DriveStatus::Moved) {
    // A jump of the bar may have been carried further than it went.
    ShowTrackPosition();
    view_.Redraw();
  }
}

void RotationControls::Refuse(const DriveResult& result) {
  // No step may come while the message is up.
  pace_.stop();
  view_.Show(Notice{Notice::Style::Plain, view_.Document().Text(result.RefusalText)});
  ShowTrackPosition();
  Button(Rotation::Forward).setChecked(false);
  Button(Rotation::Backward).setChecked(false);
}

void RotationControls::Toggle(Rotation direction, bool down) {
  if (!down) {
    if (rotating_ && direction == direction_) {
      Stop();
    }
    return;
  }
  if (!view_.Document().RotationEnabled()) {
    Button(direction).setChecked(false);
    return;
  }
  Start(direction);
}

void RotationControls::Start(Rotation direction) {
  rotating_ = true;
  direction_ = direction;
  leftPanel_.setEnabled(false);
  view_.Speed().setEnabled(false);
  view_.TrackBar().setEnabled(false);
  Button(Other(direction)).setEnabled(false);
  pace_.start();
}

void RotationControls::Stop() {
  rotating_ = false;
  pace_.stop();
  leftPanel_.setEnabled(true);
  // Undo and redo as the history allows; the strip as the power part allows.
  view_.RefreshControls();
  view_.TrackBar().setFocus();
}

void RotationControls::Tick() {
  // Setting the bar announces the change, which runs the step.
  view_.TrackBar().setValue(view_.Document().NextAutoPosition(direction_));
}

void RotationControls::ShowTrackPosition() {
  const QSignalBlocker quiet(view_.TrackBar());
  view_.TrackBar().setValue(view_.Document().Model().TrackPosition);
}

QAbstractButton& RotationControls::Button(Rotation direction) {
  return direction == Rotation::Forward ? view_.PlayButton() : view_.BackButton();
}

}  // namespace morvane::app
