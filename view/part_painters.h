#pragma once

#include "model/part_record.h"
#include "view/part_canvas.h"

namespace morvane::view {

// One routine per family; each draws the part at that table index with its
// body, holes, pin marks and pen marks.
void DrawDisk(FramePainters& painters, const Table& table, int index);
// Plain rods and power rods.
void DrawRod(FramePainters& painters, const Table& table, int index);
void DrawTriangle(FramePainters& painters, const Table& table, int index);
void DrawLgata(FramePainters& painters, const Table& table, int index);
// Power pistons and plain pistons.
void DrawPiston(FramePainters& painters, const Table& table, int index);
// A pin or pen record that is being dragged from the palette.
void DrawLoosePin(FramePainters& painters, const Table& table, int index);
void DrawLoosePen(FramePainters& painters, const Table& table, int index);

}  // namespace morvane::view
