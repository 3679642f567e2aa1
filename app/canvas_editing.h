#pragma once

#include <QObject>
#include <QPoint>
#include <cstdint>

#include "app/popup_commands.h"

namespace morvane::app {

class DocumentView;
class TformPropaty;

// The mouse on the palette and on the canvas. A press on a palette picture
// creates the new record, which follows the pointer in outline onto the
// canvas and is placed, joined or discarded where the button comes up. On the
// canvas the left button grabs the part under the pointer and moves or turns
// it, Shift choosing the variant; the right button opens the popup menu for
// the part there, and the Delete key deletes it. Every rule is the
// session's; this class reads the pointer and the part-index picture, and
// shows what it is told.
class CanvasEditing final : public QObject {
 public:
  CanvasEditing(DocumentView& view, TformPropaty& propaty);

 private:
  void PalettePressed(int32_t kind, Qt::MouseButton button, QPoint canvasPoint);
  void PaletteDragged(Qt::MouseButtons buttons, QPoint canvasPoint);
  void PaletteReleased(Qt::MouseButton button, QPoint canvasPoint);
  void CanvasPressed(Qt::MouseButton button, QPoint canvasPoint);
  void CanvasDragged(Qt::MouseButtons buttons, QPoint canvasPoint, Qt::KeyboardModifiers modifiers);
  void CanvasReleased(Qt::MouseButton button);
  void DeleteKeyPressed(QPoint canvasPoint);

  int PartAt(QPoint canvasPoint);
  bool OnVisibleCanvas(QPoint canvasPoint);

  DocumentView& view_;
  PopupCommands popup_;
};

}  // namespace morvane::app
