#pragma once

// The mouse on the real main window: presses, moves and releases sent to the
// palette pictures and the canvas, and the canvas's popup menu.

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <vector>

#include "app/canvas_widget.h"
#include "tests/app_commands_support.h"

namespace morvane::testing {

inline void Send(QWidget& target, QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QMouseEvent event(type, target.mapFromGlobal(QPointF(global)), QPointF(global), button, held, modifiers);
  QCoreApplication::sendEvent(&target, &event);
}

inline QPoint Global(ProgramDriver& run, QPoint canvasPoint) { return run.Main().Canvas().mapToGlobal(canvasPoint); }

// Pressed at `from`, the pointer goes through the canvas points and, unless
// told otherwise, is released at the last; the pressed widget keeps the
// mouse all the way, as Qt's grab does.
inline void Drag(ProgramDriver& run, QWidget& widget, QPoint from, const std::vector<QPoint>& path,
                 Qt::KeyboardModifiers modifiers = {}, bool release = true) {
  Send(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton, modifiers);
  for (const QPoint point : path) {
    Send(widget, QEvent::MouseMove, Global(run, point), Qt::NoButton, Qt::LeftButton, modifiers);
  }
  if (release) {
    Send(widget, QEvent::MouseButtonRelease, Global(run, path.back()), Qt::LeftButton, Qt::NoButton, modifiers);
  }
}

inline void PaletteDrag(ProgramDriver& run, const char* picture, const std::vector<QPoint>& path) {
  auto& source = Control<QWidget>(run.Main(), picture);
  Drag(run, source, source.mapToGlobal(source.rect().center()), path);
}

inline void CanvasDrag(ProgramDriver& run, const std::vector<QPoint>& path) {
  Drag(run, run.Main().Canvas(), Global(run, path.front()), path);
}

// A right press at the canvas point opens the menu; the item is chosen in it.
inline void Popup(ProgramDriver& run, QPoint at, const char* item) {
  Send(run.Main().Canvas(), QEvent::MouseButtonPress, Global(run, at), Qt::RightButton, Qt::RightButton);
  ASSERT_TRUE(run.Main().PopupMenu().isVisible());
  Control<QAction>(run.Main(), item).trigger();
  run.Main().PopupMenu().hide();
}

}  // namespace morvane::testing
