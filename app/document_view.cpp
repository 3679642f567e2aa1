#include "app/document_view.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>

#include "app/canvas_widget.h"
#include "app/form_main.h"
#include "app/user_dialogs.h"
#include "view/qt_text.h"
#include "view/render_scene.h"

namespace morvane::app {

namespace {

template <typename Control>
Control* Named(TformMain& main, const char* name) {
  Control* control = main.findChild<Control*>(QString::fromLatin1(name));
  if (control == nullptr) {
    qFatal("the main window has no %s", name);
  }
  return control;
}

}  // namespace

DocumentView::DocumentView(Session& session, TformMain& main, UserDialogs& dialogs)
    : session_(session),
      main_(main),
      dialogs_(dialogs),
      leftPanel_(Named<QWidget>(main, "pnlLeft")),
      trackBar_(Named<QSlider>(main, "TrackBar1")),
      speed_(Named<QComboBox>(main, "cmbSpeed")),
      play_(Named<QAbstractButton>(main, "btnPlay")),
      back_(Named<QAbstractButton>(main, "btnBack")),
      undo_(Named<QAbstractButton>(main, "btnUndo")),
      redo_(Named<QAbstractButton>(main, "btnRedo")) {}

void DocumentView::Redraw() {
  view::Redraw(main_.Pictures(), session_.Model(), session_.Loci(), main_.Canvas().Picture());
  main_.Canvas().update();
  if (afterRedraw_) {
    afterRedraw_();
  }
}

void DocumentView::RefreshControls() {
  const bool rotatable = session_.RotationEnabled();
  if (rotating_ && !rotatable) {
    ButtonOf(*rotating_).setChecked(false);
    return;
  }
  const bool idle = !rotating_;
  leftPanel_->setEnabled(idle);
  undo_->setEnabled(session_.CanUndo());
  redo_->setEnabled(session_.CanRedo());
  trackBar_->setEnabled(rotatable && idle);
  speed_->setEnabled(rotatable && idle);
  play_->setEnabled(rotatable && rotating_ != Rotation::Backward);
  back_->setEnabled(rotatable && rotating_ != Rotation::Forward);
  const QSignalBlocker quietTrack(trackBar_);
  const QSignalBlocker quietSpeed(speed_);
  trackBar_->setValue(session_.Model().TrackPosition);
  speed_->setCurrentIndex(session_.Model().SpeedIndex);
}

void DocumentView::Update() {
  Redraw();
  RefreshControls();
}

void DocumentView::Show(const Reply& notice) {
  if (!notice) {
    return;
  }
  const QString text = ToQString(notice->Text);
  if (notice->Kind == Notice::Style::Warning) {
    dialogs_.Warn(&main_, text);
  } else {
    dialogs_.Inform(&main_, text);
  }
}

}  // namespace morvane::app
