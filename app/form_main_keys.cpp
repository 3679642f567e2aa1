// The main window's keys. Each does what its control does, through the
// control, so a key does nothing where its control is disabled: the locks of
// automatic rotation and the history's ends hold for the keys too. Keys wait
// while a mouse button is held, so that no command cuts into a drag.

#include <QAbstractButton>
#include <QGuiApplication>
#include <QShortcut>
#include <QSlider>

#include "app/canvas_widget.h"
#include "app/form_main.h"
#include "solver/drive.h"

namespace morvane::app {

namespace {

// PageUp and PageDown move TrackBar1 by 10 degrees, in its tenths.
constexpr int kTrackPage = 100;
static_assert(kTrackPage / 2 <= kLargestDriveStep);

}  // namespace

void TformMain::AddKey(const QKeySequence& keys, std::function<void()> command) {
  auto* shortcut = new QShortcut(keys, this);
  connect(shortcut, &QShortcut::activated, this, [command = std::move(command)] {
    if (QGuiApplication::mouseButtons() == Qt::NoButton) {
      command();
    }
  });
}

void TformMain::BuildKeys() {
  const std::pair<QKeySequence, const char*> clicks[] = {
      {QKeySequence(Qt::CTRL | Qt::Key_O), "btnOpen"},
      {QKeySequence(Qt::CTRL | Qt::Key_S), "btnSave"},
      {QKeySequence(Qt::CTRL | Qt::Key_Z), "btnUndo"},
      {QKeySequence(Qt::CTRL | Qt::Key_Y), "btnRedo"},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), "btnRedo"},
  };
  for (const auto& [keys, name] : clicks) {
    // click() does nothing on a disabled button.
    auto* button = findChild<QAbstractButton*>(QString::fromLatin1(name));
    AddKey(keys, [button] { button->click(); });
  }
  // Space stops the rotation that runs, or starts one to the right.
  AddKey(QKeySequence(Qt::Key_Space), [this] { (btnBack_->isChecked() ? btnBack_ : btnPlay_)->click(); });
  auto* track = findChild<QSlider*>(QStringLiteral("TrackBar1"));
  for (const auto& [key, sign] : {std::pair{Qt::Key_PageUp, 1}, {Qt::Key_PageDown, -1}}) {
    // In two halves: a jump past the drive's largest step would be carried
    // further than asked. A refused half ends the move.
    AddKey(QKeySequence(key), [track, sign] {
      for (int half = 0; half < 2 && track->isEnabled(); ++half) {
        const int target = track->value() + sign * kTrackPage / 2;
        track->setValue(target);
        if (track->value() != target) {
          return;
        }
      }
    });
  }
  AddKey(QKeySequence(Qt::Key_Delete), [this] {
    if (canvas_->underMouse()) {
      emit imgDisplayDeleteKey(pointer_);
    }
  });
}

}  // namespace morvane::app
