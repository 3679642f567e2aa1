#include "app/rotation_controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>

#include "app/document_view.h"
#include "app/form_main.h"

namespace morvane::app {

RotationControls::RotationControls(DocumentView& view) : view_(view) {
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
  view_.PlayButton().setChecked(false);
  view_.BackButton().setChecked(false);
}

void RotationControls::Toggle(Rotation direction, bool down) {
  if (!down) {
    if (view_.Rotating() == direction) {
      Stop();
    }
    return;
  }
  if (!view_.Document().RotationEnabled() || view_.Rotating()) {
    view_.ButtonOf(direction).setChecked(false);
    return;
  }
  Start(direction);
}

void RotationControls::Start(Rotation direction) {
  view_.SetRotating(direction);
  view_.RefreshControls();
  pace_.start();
}

void RotationControls::Stop() {
  pace_.stop();
  view_.SetRotating(std::nullopt);
  view_.RefreshControls();
  view_.TrackBar().setFocus();
}

void RotationControls::Tick() {
  // The mechanism stands still while the user is asked or told something.
  if (QApplication::activeModalWidget() != nullptr) {
    return;
  }
  // Setting the bar announces the change, which runs the step.
  view_.TrackBar().setValue(view_.Document().NextAutoPosition(*view_.Rotating()));
}

void RotationControls::ShowTrackPosition() {
  const QSignalBlocker quiet(view_.TrackBar());
  view_.TrackBar().setValue(view_.Document().Model().TrackPosition);
}

}  // namespace morvane::app
