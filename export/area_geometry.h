#pragma once

// The arithmetic of the area dialog, apart from the widgets: the rectangle the
// user draws on the 320 x 240 preview keeps the canvas's 4:3 shape, is moved
// or resized through one of nine zones, and becomes the export area in canvas
// pixels. All divisions truncate towards zero.

#include "export/export_area.h"

namespace morvane::exporting {

inline constexpr int kPreviewWidth = 320;
inline constexpr int kPreviewHeight = 240;
// One preview pixel is 4 x 4 canvas pixels.
inline constexpr int kPreviewScale = 4;
// How close to an edge, in preview pixels, the pointer resizes instead of moving.
inline constexpr int kZoneMargin = 5;

// The rectangle in preview pixels. While a new one is drawn its width and
// height follow the pointer and may be negative.
struct AreaRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;

  bool operator==(const AreaRect&) const = default;
};

struct AreaSize {
  int Width = 0;
  int Height = 0;

  bool operator==(const AreaSize&) const = default;
};

// The part of the rectangle under the pointer and so what a drag does.
enum class AreaZone {
  None = -1,
  TopLeft = 1,
  TopRight = 2,
  BottomLeft = 3,
  BottomRight = 4,
  LeftEdge = 5,
  RightEdge = 6,
  TopEdge = 7,
  BottomEdge = 8,
  Move = 9,
};

// Makes a proposed signed size 4:3, the larger side leading, then cuts it at
// the preview's edges as seen from (left, top), the other side following.
AreaSize ApplyAspectRule(AreaSize proposed, int left, int top);

// The whole canvas: the rectangle "All" shows.
AreaRect WholePreview();

// Drawing a new rectangle: the press, each move of the pointer to (x, y), the release.
AreaRect StartNewArea(int x, int y);
AreaRect DragNewArea(const AreaRect& area, int x, int y);
AreaRect Normalised(AreaRect area);
// OK is offered for anything wider or taller than one preview pixel.
bool IsConfirmable(const AreaRect& area);

// (x, y) relative to the rectangle's top-left corner.
AreaZone ZoneAt(int x, int y, int width, int height);

// One step of a drag in `zone` by (dx, dy) screen pixels. Corners keep 4:3
// and the preview's bounds through the aspect rule; edges derive the other
// side by the ratio alone and moves are not bounded. A step that would leave
// the rectangle without width or height is not taken, so that the export area
// keeps a size.
AreaRect DragZone(AreaZone zone, const AreaRect& area, int dx, int dy);

ExportArea ToExportArea(const AreaRect& area);

}  // namespace morvane::exporting
