#pragma once

#include <QImage>
#include <QPainter>
#include <functional>

#include "model/model_state.h"
#include "solver/pen_locus.h"
#include "view/canvas_pictures.h"

namespace morvane::view {

// Draws the loci and every visible part of PartTable into imgTemp: first the
// parts at rest, family by family, then the Selected ones on top in the same
// order, then pins and pens being dragged from the palette. The part-index
// picture is to show the bodies of the parts at rest.
void RenderAll(CanvasPictures& pictures, const ModelState& model, const PenLoci& loci);

// The drawing of RenderAll on any painter: the back buffer, or a vector
// picture's generator, where every shape stays a shape.
void DrawScene(QPainter& scene, const ModelState& model, const PenLoci& loci);

// Prepare, render all and present in one call.
void Redraw(CanvasPictures& pictures, const ModelState& model, const PenLoci& loci, QImage& display,
            const std::function<void()>& processPendingMessages = {});

// Paints the bodies of the visible parts at rest into a white picture, each in
// its index colour, in the family order of RenderAll (CanvasPictures calls it).
void PaintPartIndex(QImage& picture, const Table& table, int count);

}  // namespace morvane::view
