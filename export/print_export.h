#pragma once

// Printing the export area: one picture on a landscape page, or the
// mechanism in 18 positions over one turn on a portrait page.

#include "export/export_progress.h"
#include "export/export_scene.h"

class QPrinter;

namespace morvane::exporting {

// The area as rendered now, captioned as a single image is, as large as its
// shape allows from the page's top-left corner.
ExportOutcome PrintSingleImage(const ExportScene& scene, QPrinter& printer);

// Six rows of three pictures, each framed, and the caption at the page's
// top-left. A refused move stops the series, but the page is still printed
// with the pictures drawn so far. The mechanism ends where it stood.
ExportOutcome PrintSeries(ExportScene& scene, QPrinter& printer, ExportProgress& progress);

}  // namespace morvane::exporting
