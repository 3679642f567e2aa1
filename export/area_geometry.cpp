#include "export/area_geometry.h"

#include <cstdlib>

namespace morvane::exporting {

namespace {

int WithSignOf(int magnitude, int signSource) { return signSource < 0 ? -magnitude : magnitude; }
int HeightForWidth(int width) { return width * kPreviewHeight / kPreviewWidth; }
int WidthForHeight(int height) { return height * kPreviewWidth / kPreviewHeight; }

// A span of signed length from `start`, cut where it would pass 0 or `limit`.
int BoundedSpan(int span, int start, int limit) {
  if (span < 0 && start + span < 0) {
    return -start;
  }
  if (span >= 0 && start + span > limit) {
    return limit - start;
  }
  return span;
}

// Which sides of the rectangle a zone drags: -1 the left (or top) side,
// +1 the right (or bottom) side, 0 neither.
struct ZoneSides {
  int X;
  int Y;
};

ZoneSides SidesOf(AreaZone zone) {
  switch (zone) {
    case AreaZone::TopLeft:
      return {-1, -1};
    case AreaZone::TopRight:
      return {1, -1};
    case AreaZone::BottomLeft:
      return {-1, 1};
    case AreaZone::BottomRight:
      return {1, 1};
    case AreaZone::LeftEdge:
      return {-1, 0};
    case AreaZone::RightEdge:
      return {1, 0};
    case AreaZone::TopEdge:
      return {0, -1};
    case AreaZone::BottomEdge:
      return {0, 1};
    default:
      return {0, 0};
  }
}

AreaSize ResizedSize(const AreaRect& area, ZoneSides sides, int dx, int dy) {
  const int width = area.Width + sides.X * dx;
  const int height = area.Height + sides.Y * dy;
  if (sides.X != 0 && sides.Y != 0) {
    return ApplyAspectRule({width, height}, area.Left, area.Top);
  }
  if (sides.X != 0) {
    return {width, HeightForWidth(width)};
  }
  return {WidthForHeight(height), height};
}

}  // namespace

AreaSize ApplyAspectRule(AreaSize proposed, int left, int top) {
  int w = proposed.Width;
  int h = proposed.Height;
  const int heightAsWidth = std::abs(WidthForHeight(h));
  if (heightAsWidth <= std::abs(w)) {
    h = WithSignOf(std::abs(HeightForWidth(w)), h);
  } else {
    w = WithSignOf(heightAsWidth, w);
  }
  if (const int bounded = BoundedSpan(w, left, kPreviewWidth); bounded != w) {
    w = bounded;
    h = WithSignOf(std::abs(HeightForWidth(w)), h);
  }
  if (const int bounded = BoundedSpan(h, top, kPreviewHeight); bounded != h) {
    h = bounded;
    w = WithSignOf(std::abs(WidthForHeight(h)), w);
  }
  return {w, h};
}

AreaRect WholePreview() { return {1, 1, kPreviewWidth - 1, kPreviewHeight - 1}; }

AreaRect StartNewArea(int x, int y) { return {x, y, 0, 0}; }

AreaRect DragNewArea(const AreaRect& area, int x, int y) {
  const AreaSize size = ApplyAspectRule({x - area.Left, y - area.Top}, area.Left, area.Top);
  return {area.Left, area.Top, size.Width, size.Height};
}

AreaRect Normalised(AreaRect area) {
  if (area.Width < 0) {
    area.Left += area.Width;
    area.Width = -area.Width;
  }
  if (area.Height < 0) {
    area.Top += area.Height;
    area.Height = -area.Height;
  }
  return area;
}

bool IsConfirmable(const AreaRect& area) { return area.Width > 1 || area.Height > 1; }

AreaZone ZoneAt(int x, int y, int width, int height) {
  const bool left = x < kZoneMargin;
  const bool right = x > width - kZoneMargin;
  const bool top = y < kZoneMargin;
  const bool bottom = y > height - kZoneMargin;
  if (left && top) {
    return AreaZone::TopLeft;
  }
  if (right && top) {
    return AreaZone::TopRight;
  }
  if (left && bottom) {
    return AreaZone::BottomLeft;
  }
  if (right && bottom) {
    return AreaZone::BottomRight;
  }
  if (left) {
    return AreaZone::LeftEdge;
  }
  if (right) {
    return AreaZone::RightEdge;
  }
  if (top) {
    return AreaZone::TopEdge;
  }
  return bottom ? AreaZone::BottomEdge : AreaZone::Move;
}

AreaRect DragZone(AreaZone zone, const AreaRect& area, int dx, int dy) {
  if (zone == AreaZone::Move) {
    return {area.Left + dx, area.Top + dy, area.Width, area.Height};
  }
  const ZoneSides sides = SidesOf(zone);
  if (sides.X == 0 && sides.Y == 0) {
    return area;
  }
  const AreaSize size = ResizedSize(area, sides, dx, dy);
  if (size.Width < 1 || size.Height < 1) {
    return area;
  }
  AreaRect resized{area.Left, area.Top, size.Width, size.Height};
  if (sides.X < 0) {
    resized.Left += area.Width - size.Width;
  }
  if (sides.Y < 0) {
    resized.Top += area.Height - size.Height;
  }
  return resized;
}

ExportArea ToExportArea(const AreaRect& area) {
  return {(area.Left - 1) * kPreviewScale, (area.Top - 1) * kPreviewScale, (area.Width + 1) * kPreviewScale,
          (area.Height + 1) * kPreviewScale};
}

}  // namespace morvane::exporting
