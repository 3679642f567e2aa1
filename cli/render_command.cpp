// morvane-cli render: the canvas of a model as a picture, after driving the
// power part to a track position when one is given, cut to an area and
// scaled; an SVG file holds the same drawing as shapes, without the grid
// dots. Only QImage, QPainter and the SVG generator are used and no text is
// drawn, so no QGuiApplication and no display are needed.

#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QRect>
#include <QBuffer>
#include <QSize>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/argument_reader.h"
#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/picture_options.h"
#include "cli/turning.h"
#include "export/picture_files.h"
#include "export/vector_picture.h"
#include "model/model_texts.h"
#include "model/output_file.h"
#include "view/canvas_pictures.h"
#include "view/render_scene.h"

namespace morvane::cli {

namespace {

constexpr char kSvg[] = ".svg";

struct RenderRequest {
  std::string ModelPath;
  std::string OutputPath;
  std::optional<int32_t> Position;
  QRect Area{0, 0, view::kCanvasWidth, view::kCanvasHeight};
  std::optional<QSize> Size;
};

// Reads the arguments; on a problem prints it with the usage line.
std::optional<RenderRequest> ParseRequest(const std::vector<std::string>& args, CliContext& context) {
  ArgumentReader reader(FindCommand("render"), args, context, {"-o", "--position", "--area", "--size"});
  RenderRequest request;
  request.ModelPath = reader.Model();
  request.OutputPath = reader.Required("-o", cli_texts::RenderMissingOutput);
  const std::string extension = exporting::LowerExtension(request.OutputPath);
  reader.Check(extension == ".png" || extension == kSvg || exporting::FormatOfName(request.OutputPath),
               cli_texts::NotARenderPicture);
  request.Position = reader.Value("--position", ParsePosition, cli_texts::BadPosition);
  request.Area = reader.Value("--area", ParseArea, cli_texts::BadArea).value_or(request.Area);
  request.Size = reader.Value("--size", ParseSize, cli_texts::BadSize);
  return reader.Ok() ? std::optional(request) : std::nullopt;
}

bool WritePng(const QImage& picture, const std::string& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, QByteArray("png"));
  return writer.write(picture) && WriteWholeFile(path, std::string_view(bytes.constData(), bytes.size()));
}

QImage Picture(const RenderRequest& request, const ModelState& model, const PenLoci& loci) {
  view::CanvasPictures pictures;
  view::PrepareCanvas(pictures);
  view::RenderAll(pictures, model, loci);
  const QImage area = pictures.imgTemp.copy(request.Area);
  if (!request.Size) {
    return area;
  }
  return area.scaled(*request.Size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// SVG through the vector picture, PNG through Qt's writer, the other kinds
// through the export's image writers.
bool WriteRendering(const RenderRequest& request, const ModelState& model, const PenLoci& loci) {
  const std::string& path = request.OutputPath;
  if (exporting::LowerExtension(path) == kSvg) {
    const exporting::VectorPicture vector{request.Area, request.Size.value_or(request.Area.size()), {}};
    return exporting::WriteVectorPicture(vector, model, loci, path);
  }
  const QImage picture = Picture(request, model, loci);
  const std::optional<exporting::ImageFormat> format = exporting::FormatOfName(path);
  return format ? exporting::WritePicture(picture, *format, path) : WritePng(picture, path);
}

}  // namespace

int RunRender(const std::vector<std::string>& args, CliContext& context) {
  const auto request = ParseRequest(args, context);
  if (!request) {
    return kExitUsage;
  }
  const auto session = OpenSession(request->ModelPath, context);
  if (!session) {
    return kExitBadModel;
  }
  if (request->Position) {
    // The steps of automatic rotation, so that the mechanism passes the same
    // positions as on the screen and the pens trace their loci on the way.
    const DriveResult result =
        TurnStraightTo(*session, *request->Position, DefaultStep(session->Model().AngleStep));
    if (result.Status != DriveStatus::Moved) {
      return ReportUntakenStep(result, context);
    }
  }
  if (!WriteRendering(*request, session->Model(), session->Loci())) {
    context.Err << request->OutputPath << ": " << context.Text(model_texts::WriteFailed) << '\n';
    return kExitCannotWrite;
  }
  return kExitOk;
}

}  // namespace morvane::cli
