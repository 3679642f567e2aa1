#pragma once

#include <QImage>
#include <string>

#include "export/export_area.h"
#include "export/export_progress.h"
#include "session/session.h"
#include "view/canvas_pictures.h"

namespace morvane::exporting {

// What every image and print export works from: the document, the pictures
// its frames are rendered into, the chosen area and the name its captions show.
struct ExportScene {
  Session& Document;
  view::CanvasPictures& Pictures;
  ExportArea Area;
  std::string CaptionName;
};

// The area of the scene as it stands, rendered on white.
QImage CaptureScene(const ExportScene& scene);

// Done, or the write failure in the document's language.
ExportOutcome WriteOutcome(bool written, const Session& document);

}  // namespace morvane::exporting
