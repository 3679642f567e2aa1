#pragma once

#include <QImage>
#include <QSize>

#include "model/model_state.h"
#include "solver/pen_locus.h"

namespace morvane::view {

// A small picture of a model for a list of models: the scene rendered on
// white, without grid dots, cut to what is drawn (parts and loci) with a
// margin, widened to the thumbnail's shape and scaled down smoothly.
QImage Thumbnail(const ModelState& model, const PenLoci& loci, QSize size);

}  // namespace morvane::view
