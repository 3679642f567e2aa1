#include "view/render_scene.h"

#include <QPainter>
#include <algorithm>

#include "model/part_kind.h"
#include "view/part_painters.h"
#include "view/trails.h"

namespace morvane::view {

namespace {

using PartPainter = void (*)(FramePainters&, const Table&, int);

struct Family {
  bool (*Has)(int32_t kind);
  PartPainter Draw;
};

bool IsPowerPiston(int32_t kind) { return kind == PistonActive; }
bool IsPlainPiston(int32_t kind) { return kind == PistonPassive; }
// The disk sweep takes every code below 15, so a code that only a model file
// can bring (14, and any below 11) is drawn as a power disk.
bool IsDiskFamily(int32_t kind) { return kind < 15 || (kind >= 21 && kind <= 29); }

// Later families lie on top of earlier ones, in the scene and in the index picture.
constexpr Family kFamilies[] = {
    {IsPowerPiston, DrawPiston}, {IsPowerRod, DrawRod}, {IsDiskFamily, DrawDisk}, {IsTriangle, DrawTriangle},
    {IsLgata, DrawLgata},        {IsRod, DrawRod},      {IsPlainPiston, DrawPiston},
};

void DrawLayer(FramePainters& painters, const Table& table, int count, bool selected) {
  for (const Family& family : kFamilies) {
    for (int i = 0; i < count; ++i) {
      const PartRecord& part = table[i];
      if (part.Visible && part.Selected == selected && family.Has(part.Kind)) {
        family.Draw(painters, table, i);
      }
    }
  }
}

void DrawLoose(FramePainters& painters, const Table& table, int count, int32_t fromKind, PartPainter draw) {
  for (int i = 0; i < count; ++i) {
    if (table[i].Visible && table[i].Kind >= fromKind) {
      draw(painters, table, i);
    }
  }
}

void BeginAliased(QPainter& painter) { painter.setRenderHint(QPainter::Antialiasing, false); }

// The scratch record of a palette drag sits at PartCount - 1, so the count
// may reach the table's size but never beyond.
int PartsInTable(const ModelState& model) { return std::clamp<int32_t>(model.PartCount, 0, kTableRecords); }

}  // namespace

void DrawScene(QPainter& scene, const ModelState& model, const PenLoci& loci) {
  BeginAliased(scene);
  FramePainters painters{&scene, nullptr};
  const Table& table = model.PartTable;
  const int count = PartsInTable(model);
  DrawTrails(scene, loci);
  DrawLayer(painters, table, count, false);
  DrawLayer(painters, table, count, true);
  DrawLoose(painters, table, count, Hatome, DrawLoosePin);
  DrawLoose(painters, table, count, PenBlack, DrawLoosePen);
}

void RenderAll(CanvasPictures& pictures, const ModelState& model, const PenLoci& loci) {
  {
    QPainter scene(&pictures.imgTemp);
    DrawScene(scene, model, loci);
  }
  pictures.SetIndexParts(model.PartTable, PartsInTable(model));
}

void PaintPartIndex(QImage& picture, const Table& table, int count) {
  QPainter index(&picture);
  BeginAliased(index);
  FramePainters painters{nullptr, &index};
  // Selected parts and loose pins and pens leave nothing in the index picture.
  DrawLayer(painters, table, count, false);
}

void Redraw(CanvasPictures& pictures, const ModelState& model, const PenLoci& loci, QImage& display,
            const std::function<void()>& processPendingMessages) {
  PrepareCanvas(pictures, processPendingMessages);
  RenderAll(pictures, model, loci);
  PresentCanvas(pictures, display);
}

}  // namespace morvane::view
