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
  return main.findChild<Control*>(QString::fromLatin1(name));
}

}  // namespace

DocumentView::DocumentView(Session& session, TformMain& main, UserDialogs& dialogs)
    : session_(session),
      main_(main),
      dialogs_(dialogs),
      trackBar_(Named<QSlider>(main, "TrackBar1")),
      speed_(Named<QComboBox>(main, "cmbSpeed")),
      play_(Named<QAbstractButton>(main, "btnPlay")),
      back_(Named<QAbstractButton>(main, "btnBack")),
      undo_(Named<QAbstractButton>(main, "btnUndo")),
      redo_(Named<QAbstractButton>(main, "btnRedo")) {}

void DocumentView::Redraw() {
  view::Redraw(main_.Pictures(), session_.Model(), session_.Loci(), main_.Canvas().Picture());
  main_.Canvas().update();
}

void DocumentView::RefreshControls() {
  undo_->setEnabled(session_.CanUndo());
  redo_->setEnabled(session_.CanRedo());
  const bool rotation = session_.RotationEnabled();
  for (QWidget* control : {static_cast<QWidget*>(trackBar_), static_cast<QWidget*>(speed_),
                           static_cast<QWidget*>(play_), static_cast<QWidget*>(back_)}) {
    control->setEnabled(rotation);
  }
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
