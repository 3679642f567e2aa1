#pragma once

#include <functional>
#include <optional>

#include "session/session.h"
#include "solver/auto_rotation.h"

class QAbstractButton;
class QComboBox;
class QSlider;
class QWidget;

namespace morvane::app {

class TformMain;
class UserDialogs;

// What every command of the windows ends with: the canvas redrawn from the
// session (prepare, render all, present), the controls that depend on the
// document set to match it, and the session's notices shown.
class DocumentView {
 public:
  DocumentView(Session& session, TformMain& main, UserDialogs& dialogs);

  Session& Document() { return session_; }
  TformMain& Main() { return main_; }
  UserDialogs& Dialogs() { return dialogs_; }

  void Redraw();
  // Called at the end of every redraw, after an edit as after a drive step.
  void SetAfterRedraw(std::function<void()> afterRedraw) { afterRedraw_ = std::move(afterRedraw); }
  // btnUndo and btnRedo follow the history; TrackBar1, cmbSpeed, btnPlay and
  // btnBack are usable only with a power part; the track bar and the speed
  // show the model's, set without announcing a change. While automatic
  // rotation runs, the left panel, the speed, the bar and the other play
  // button stay locked whatever a command did; when the power part is gone,
  // its button is released, which ends the rotation.
  void RefreshControls();
  // Redraw and RefreshControls, the end of most commands.
  void Update();
  // A plain message box or the warning dialog, by the notice's style.
  void Show(const Reply& notice);

  // Automatic rotation running in that direction, or not at all.
  const std::optional<Rotation>& Rotating() const { return rotating_; }
  void SetRotating(std::optional<Rotation> direction) { rotating_ = direction; }

  QSlider& TrackBar() { return *trackBar_; }
  QComboBox& Speed() { return *speed_; }
  QAbstractButton& PlayButton() { return *play_; }
  QAbstractButton& BackButton() { return *back_; }
  QAbstractButton& ButtonOf(Rotation direction) { return direction == Rotation::Forward ? *play_ : *back_; }

 private:
  Session& session_;
  TformMain& main_;
  UserDialogs& dialogs_;
  QWidget* leftPanel_;
  QSlider* trackBar_;
  QComboBox* speed_;
  QAbstractButton* play_;
  QAbstractButton* back_;
  QAbstractButton* undo_;
  QAbstractButton* redo_;
  std::optional<Rotation> rotating_;
  std::function<void()> afterRedraw_;
};

}  // namespace morvane::app
