#pragma once

#include <QObject>
#include <QTimer>

#include "solver/auto_rotation.h"
#include "solver/drive.h"

class QAbstractButton;
class QWidget;

namespace morvane::app {

class DocumentView;

// The drive strip under the canvas: every move of TrackBar1 is one drive
// step, cmbSpeed sets the step of automatic rotation, and btnPlay or btnBack
// held down turns the power part automatically.
//
// Automatic rotation is paced by a timer, so that every speed is one a class
// can follow on any machine. The event loop keeps running between steps, so a
// second click on the button stops it at once, and so does closing the
// program, which releases the buttons. No step runs while a modal dialog of
// the program is up.
class RotationControls final : public QObject {
  Q_OBJECT

 public:
  explicit RotationControls(DocumentView& view);

 private:
  void Step(int position);
  void Refuse(const DriveResult& result);
  void Toggle(Rotation direction, bool down);
  void Start(Rotation direction);
  void Stop();
  void Tick();
  // The bar shows the session's track position without starting a step.
  void ShowTrackPosition();

  DocumentView& view_;
  QTimer pace_;
};

}  // namespace morvane::app
