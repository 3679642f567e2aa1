#include "export/print_export.h"

#include "export/box_drawing.h"
#include "export/captions.h"
#include "export/capture_frame.h"
#include "export/export_texts.h"
#include "export/print_layout.h"
#include "export/printed_page.h"
#include "export/series_turn.h"
#include "model/model_texts.h"
#include "view/render_scene.h"

namespace morvane::exporting {

namespace {

constexpr SeriesTexts kPrintTexts{export_texts::SeriesPrintProgress, export_texts::SeriesPrintStopped};
constexpr QPoint kPageCaptionPlace{8, 8};

QRect ToQRect(const PixelBox& box) { return QRect(box.Left, box.Top, box.Width(), box.Height()); }

// The printed series shows the canvas as each drive step draws it on the
// screen, grid dots included, not re-rendered on white as the files are.
QImage AsTheDriveDrewIt(const ExportScene& scene) {
  view::PrepareCanvas(scene.Pictures);
  view::RenderAll(scene.Pictures, scene.Document.Model(), scene.Document.Loci());
  return CutArea(scene.Pictures.imgTemp, scene.Area);
}

ExportOutcome Finished(PrintedPage& page, ExportOutcome outcome, const Session& document) {
  if (!page.Finish()) {
    outcome.Status = ExportStatus::WriteFailed;
    outcome.Messages.push_back(document.Text(model_texts::WriteFailed));
  }
  return outcome;
}

}  // namespace

ExportOutcome PrintSingleImage(const ExportScene& scene, const PrintTarget& target) {
  PrintedPage page(target, QPageLayout::Landscape);
  if (!page.Started()) {
    return WriteOutcome(false, scene.Document);
  }
  QImage picture = CaptureScene(scene);
  CaptionPicture(picture, scene.CaptionName);
  const PrintSize size = FitToPage(picture.width(), picture.height(), page.Width(), page.Height());
  page.Painter().drawImage(QRect(0, 0, size.Width, size.Height), picture);
  return Finished(page, {}, scene.Document);
}

ExportOutcome PrintSeries(ExportScene& scene, const PrintTarget& target, ExportProgress& progress) {
  PrintedPage page(target, QPageLayout::Portrait);
  if (!page.Started()) {
    return WriteOutcome(false, scene.Document);
  }
  const ShownProgress shown(progress, export_texts::SeriesPrintCaption, export_texts::SeriesPrintLabel);
  const SeriesPrintLayout layout = PortraitSeriesLayout(page.Width(), page.Height());
  ExportOutcome outcome = TurnThroughSeries(scene.Document, progress, kPrintTexts, [&](int i) {
    const SeriesCell cell = PrintCellAt(layout, i);
    page.Painter().drawImage(ToQRect(cell.Picture), AsTheDriveDrewIt(scene));
    DrawFrame(page.Painter(), cell.Frame);
  });
  if (outcome.Status == ExportStatus::Done) {
    DrawCaption(page.Painter(), scene.CaptionName, kPageCaptionPlace, kPrintCaptionPoints, page.Dpi());
    progress.Note(export_texts::SeriesPrintFinishing);
  }
  return Finished(page, std::move(outcome), scene.Document);
}

}  // namespace morvane::exporting
