#pragma once

#include <QImage>
#include <functional>

#include "model/model_state.h"
#include "solver/pen_locus.h"
#include "view/canvas_pictures.h"

namespace morvane::view {

// Draws the loci and every visible part of PartTable into imgTemp, and the
// bodies of the parts at rest into the part-index picture: first the parts at
// rest, family by family, then the Selected ones on top in the same order,
// then pins and pens being dragged from the palette.
void RenderAll(CanvasPictures& pictures, const ModelState& model, const PenLoci& loci);

// Prepare, render all and present in one call.
void Redraw(CanvasPictures& pictures, const ModelState& model, const PenLoci& loci, QImage& display,
            const std::function<void()>& processPendingMessages = {});

}  // namespace morvane::view
