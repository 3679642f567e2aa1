#include "export/export_scene.h"

#include "export/capture_frame.h"
#include "model/model_texts.h"

namespace morvane::exporting {

QImage CaptureScene(const ExportScene& scene) {
  return CaptureFrame(scene.Pictures, scene.Document.Model(), scene.Document.Loci(), scene.Area);
}

ExportOutcome WriteOutcome(bool written, const Session& document) {
  if (written) {
    return {};
  }
  return {ExportStatus::WriteFailed, {document.Text(model_texts::WriteFailed)}};
}

}  // namespace morvane::exporting
