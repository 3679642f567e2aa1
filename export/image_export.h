#pragma once

// Saving the export area as a picture file, or the mechanism in 18 positions
// over one turn as a series sheet.

#include <QImage>
#include <string>

#include "export/export_progress.h"
#include "export/export_scene.h"
#include "export/picture_files.h"

namespace morvane::exporting {

// The picture a single image export writes: the area as rendered now,
// scaled to 120 x 90 for a small picture, with the caption from 240 pixels.
QImage SinglePicture(const ExportScene& scene, bool small);

// A single picture of the kind; SVG keeps the shapes of the scene.
ExportOutcome SaveSingleImage(const ExportScene& scene, ImageKind kind, const std::string& path);

// The 1620 x 700 sheet of the series, in JPEG, BMP or GIF; nothing is written when a move is
// refused. The mechanism ends where it stood.
ExportOutcome SaveSeriesSheet(ExportScene& scene, ImageFormat format, const std::string& path,
                              ExportProgress& progress);

}  // namespace morvane::exporting
