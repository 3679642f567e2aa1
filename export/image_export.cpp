#include "export/image_export.h"

#include <vector>

#include "codecs/images/resample.h"
#include "export/captions.h"
#include "export/capture_frame.h"
#include "export/export_texts.h"
#include "export/series_sheet.h"
#include "export/series_turn.h"
#include "export/vector_picture.h"

namespace morvane::exporting {

namespace {

constexpr SeriesTexts kSheetTexts{export_texts::SeriesImageProgress, export_texts::SeriesImageStopped};

QImage Resampled(const QImage& picture, int width, int height) {
  QImage converted;
  const RgbImage result = ResampleBitmap(ToRgbFrame(picture, converted), width, height);
  return QImage(result.Row(0), width, height, width * 3, QImage::Format_RGB888).copy();
}

// As the picture of pixels: the area, or the area scaled to 120 x 90 and
// then too small for a caption.
VectorPicture SingleVectorPicture(const ExportScene& scene, bool small) {
  const QRect area(scene.Area.AreaX, scene.Area.AreaY, scene.Area.AreaWidth, scene.Area.AreaHeight);
  return {area, small ? QSize(kSmallPictureWidth, kSmallPictureHeight) : area.size(),
          small ? std::string() : scene.CaptionName};
}

}  // namespace

QImage SinglePicture(const ExportScene& scene, bool small) {
  const QImage area = CaptureScene(scene);
  // At the area's own size the resampler would copy every pixel unchanged.
  QImage picture = small ? Resampled(area, kSmallPictureWidth, kSmallPictureHeight) : area;
  CaptionPicture(picture, scene.CaptionName);
  return picture;
}

ExportOutcome SaveSingleImage(const ExportScene& scene, ImageKind kind, const std::string& path) {
  if (kind.Format == ImageFormat::Svg) {
    return WriteOutcome(WriteVectorPicture(SingleVectorPicture(scene, kind.Small), scene.Document.Model(),
                                           scene.Document.Loci(), path),
                        scene.Document);
  }
  return WriteOutcome(WritePicture(SinglePicture(scene, kind.Small), kind.Format, path), scene.Document);
}

ExportOutcome SaveSeriesSheet(ExportScene& scene, ImageFormat format, const std::string& path,
                              ExportProgress& progress) {
  const ShownProgress shown(progress, export_texts::SeriesImageCaption, export_texts::SeriesImageLabel);
  std::vector<QImage> cells;
  ExportOutcome outcome = TurnThroughSeries(scene.Document, progress, kSheetTexts, [&](int) {
    cells.push_back(Resampled(CaptureScene(scene), kSheetCellWidth, kSheetCellHeight));
  });
  if (outcome.Status != ExportStatus::Done) {
    return outcome;
  }
  return WriteOutcome(WritePicture(ComposeSeriesSheet(cells, scene.CaptionName), format, path), scene.Document);
}

}  // namespace morvane::exporting
