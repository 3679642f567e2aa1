#pragma once

#include <QImage>

#include "codecs/rgb_frame.h"
#include "export/export_area.h"
#include "model/model_state.h"
#include "solver/pen_locus.h"
#include "view/canvas_pictures.h"

namespace morvane::exporting {

// The export area of the canvas picture as a new 24-bit picture
// (Format_RGB888). Whatever part of the area lies off the canvas is white,
// like the margin of the back buffer.
QImage CutArea(const QImage& canvas, const ExportArea& area);

// One frame of an export: the scene rendered onto a white back buffer (no
// grid dots), then the export area cut out of it.
QImage CaptureFrame(view::CanvasPictures& pictures, const ModelState& model, const PenLoci& loci,
                    const ExportArea& area);

// The picture as the writers take it. A picture already in Format_RGB888, or
// Format_RGBX8888 with its fourth byte, is handed over without a copy;
// anything else is converted into `converted`, which must outlive the frame.
RgbFrame ToRgbFrame(const QImage& picture, QImage& converted);

}  // namespace morvane::exporting
