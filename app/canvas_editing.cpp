#include "app/canvas_editing.h"

#include "app/canvas_widget.h"
#include "app/document_view.h"
#include "app/form_main.h"
#include "view/canvas_pictures.h"

namespace morvane::app {

namespace {

// The grabbed part hangs on its single pin.
bool HangsOnPin(DragMode mode) {
  return mode == DragMode::OnPin || mode == DragMode::WithLoneNeighbour || mode == DragMode::WithHingedNeighbour;
}

bool MovesWithPointer(DragMode mode) { return mode == DragMode::Loose || HangsOnPin(mode); }

// A part hanging on a pin is let go by any button; a loose or held part only
// by the left one.
bool EndsDrag(DragMode mode, Qt::MouseButton button) { return button == Qt::LeftButton || HangsOnPin(mode); }

}  // namespace

CanvasEditing::CanvasEditing(DocumentView& view, TformPropaty& propaty) : view_(view), popup_(view, propaty) {
  TformMain& main = view_.Main();
  connect(&main, &TformMain::PartsMouseDown, this, &CanvasEditing::PalettePressed);
  connect(&main, &TformMain::PartsMouseMove, this,
          [this](int32_t, Qt::MouseButtons buttons, QPoint point) { PaletteDragged(buttons, point); });
  connect(&main, &TformMain::PartsMouseUp, this,
          [this](int32_t, Qt::MouseButton button, QPoint point) { PaletteReleased(button, point); });
  connect(&main, &TformMain::imgDisplayMouseDown, this,
          [this](Qt::MouseButton button, QPoint point, Qt::KeyboardModifiers) { CanvasPressed(button, point); });
  connect(&main, &TformMain::imgDisplayMouseMove, this, &CanvasEditing::CanvasDragged);
  connect(&main, &TformMain::imgDisplayMouseUp, this,
          [this](Qt::MouseButton button, QPoint, Qt::KeyboardModifiers) { CanvasReleased(button); });
  connect(&main, &TformMain::imgDisplayDeleteKey, this, &CanvasEditing::DeleteKeyPressed);
}

void CanvasEditing::PalettePressed(int32_t kind, Qt::MouseButton button, QPoint canvasPoint) {
  // The new record is drawn from the first move on.
  view_.Show(view_.Document().PressPalette(kind, canvasPoint.x(), canvasPoint.y(), button == Qt::LeftButton));
}

void CanvasEditing::PaletteDragged(Qt::MouseButtons buttons, QPoint canvasPoint) {
  Session& session = view_.Document();
  if (!(buttons & Qt::LeftButton) || session.Dragging() != DragMode::Palette) {
    return;
  }
  session.MovePaletteDrag(canvasPoint.x(), canvasPoint.y(), PartAt(canvasPoint));
  view_.Redraw();
}

void CanvasEditing::PaletteReleased(Qt::MouseButton button, QPoint canvasPoint) {
  Session& session = view_.Document();
  if (button != Qt::LeftButton || session.Dragging() != DragMode::Palette) {
    return;
  }
  const Reply refusal = session.DropPalette(OnVisibleCanvas(canvasPoint));
  view_.Update();
  view_.Show(refusal);
}

void CanvasEditing::CanvasPressed(Qt::MouseButton button, QPoint canvasPoint) {
  Session& session = view_.Document();
  const int part = PartAt(canvasPoint);
  if (session.Dragging() != DragMode::Idle || part < 0) {
    return;
  }
  if (button == Qt::LeftButton) {
    if (session.Grab(part, canvasPoint.x(), canvasPoint.y())) {
      view_.Redraw();
    }
  } else if (button == Qt::RightButton) {
    popup_.OpenAt(part, canvasPoint);
  }
}

// The key deletes what the menu would, where the menu could open.
void CanvasEditing::DeleteKeyPressed(QPoint canvasPoint) {
  const int part = PartAt(canvasPoint);
  if (view_.Document().Dragging() == DragMode::Idle && part >= 0) {
    popup_.Delete(part, canvasPoint);
  }
}

void CanvasEditing::CanvasDragged(Qt::MouseButtons buttons, QPoint canvasPoint, Qt::KeyboardModifiers modifiers) {
  Session& session = view_.Document();
  if (!(buttons & Qt::LeftButton) || !MovesWithPointer(session.Dragging())) {
    return;
  }
  const bool shift = modifiers.testFlag(Qt::ShiftModifier);
  const Reply refusal = session.DragTo(canvasPoint.x(), canvasPoint.y(), shift, PartAt(canvasPoint));
  // A power part turned with Shift has moved the track bar.
  view_.Update();
  view_.Show(refusal);
}

void CanvasEditing::CanvasReleased(Qt::MouseButton button) {
  Session& session = view_.Document();
  if (EndsDrag(session.Dragging(), button) && session.Release()) {
    view_.Update();
  }
}

int CanvasEditing::PartAt(QPoint canvasPoint) {
  return view::PartIndexAt(view_.Main().Pictures(), canvasPoint.x(), canvasPoint.y());
}

// What counts is the part of the canvas that can be seen: scrolled, its own
// left edge lies under the palette; on a large screen the scroll box reaches
// beyond its right and bottom edges.
bool CanvasEditing::OnVisibleCanvas(QPoint canvasPoint) {
  CanvasWidget& canvas = view_.Main().Canvas();
  const QWidget& viewport = *canvas.parentWidget();
  const QRect seen(canvas.mapFrom(&viewport, QPoint(0, 0)), viewport.size());
  return (seen & canvas.rect()).contains(canvasPoint);
}

}  // namespace morvane::app
