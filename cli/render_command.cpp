// morvane-cli render: the canvas of a model as a picture, after driving the
// power part to a track position when one is given, cut to an area and
// scaled. Only QImage and QPainter are used and no text is drawn, so no
// QGuiApplication and no display are needed.

#include <QByteArray>
#include <QImage>
#include <QImageWriter>
#include <QRect>
#include <QBuffer>
#include <QSize>
#include <QString>
#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "cli/turning.h"
#include "model/messages.h"
#include "model/output_file.h"
#include "view/canvas_pictures.h"
#include "view/render_scene.h"

namespace morvane::cli {

namespace {

constexpr int kMaxOutputSide = 10000;

namespace render_texts {
inline constexpr Message MissingOutput{"出力ファイルを -o で指定してください", "an output file is required (-o OUT.png)"};
inline constexpr Message BadArea{"範囲は X,Y,W,H で、1280 x 960 のキャンバスの内側です",
                                 "the area is X,Y,W,H and lies inside the 1280 x 960 canvas"};
inline constexpr Message BadSize{"大きさは WxH で、それぞれ 1 から 10000 までです",
                                 "the size is WxH, each from 1 to 10000"};
inline constexpr Message NotSupportedYet{"この画像形式はまだ使えません。.png を指定してください",
                                         "this image type is not supported yet; use .png"};
inline constexpr Message UnknownImageType{"画像ファイルの拡張子は .png です", "the image file must end in .png"};
}  // namespace render_texts

struct RenderRequest {
  std::string ModelPath;
  std::string OutputPath;
  std::optional<int32_t> Position;
  QRect Area{0, 0, view::kCanvasWidth, view::kCanvasHeight};
  std::optional<QSize> Size;
};

// Whole numbers separated by `separator`, exactly `count` of them.
std::optional<std::vector<int>> ParseIntList(std::string_view text, char separator, size_t count) {
  std::vector<int> values;
  for (size_t start = 0;;) {
    const size_t end = text.find(separator, start);
    const auto value = ParseInt(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (!value) {
      return std::nullopt;
    }
    values.push_back(*value);
    if (end == std::string_view::npos) {
      break;
    }
    start = end + 1;
  }
  return values.size() == count ? std::optional(values) : std::nullopt;
}

std::optional<QRect> ParseArea(const std::string& text) {
  const auto v = ParseIntList(text, ',', 4);
  if (!v || (*v)[2] < 1 || (*v)[3] < 1) {
    return std::nullopt;
  }
  const QRect area((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
  if (!QRect(0, 0, view::kCanvasWidth, view::kCanvasHeight).contains(area)) {
    return std::nullopt;
  }
  return area;
}

std::optional<QSize> ParseSize(const std::string& text) {
  const auto v = ParseIntList(text, 'x', 2);
  const auto inRange = [](int side) { return side >= 1 && side <= kMaxOutputSide; };
  if (!v || !inRange((*v)[0]) || !inRange((*v)[1])) {
    return std::nullopt;
  }
  return QSize((*v)[0], (*v)[1]);
}

std::string LowerExtension(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  const size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
    return "";
  }
  std::string extension = path.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

// The problem with the output name, if any: JPEG, BMP and GIF come with the
// image writers of the export.
std::optional<Message> OutputProblem(const std::string& path) {
  const std::string extension = LowerExtension(path);
  if (extension == ".png") {
    return std::nullopt;
  }
  if (extension == ".jpg" || extension == ".jpeg" || extension == ".bmp" || extension == ".gif") {
    return render_texts::NotSupportedYet;
  }
  return render_texts::UnknownImageType;
}

// Reads the arguments; on a problem prints it with the usage line.
std::optional<RenderRequest> ParseRequest(const std::vector<std::string>& args, CliContext& context) {
  const Command& command = FindCommand("render");
  std::string problem;
  const auto parsed = ParseArgs(args, {"-o", "--position", "--area", "--size"}, context, problem);
  const auto fail = [&](std::string_view text) -> std::optional<RenderRequest> {
    UsageError(command, context, text);
    return std::nullopt;
  };
  if (!parsed) {
    return fail(problem);
  }
  if (parsed->Positional.size() != 1) {
    return fail(context.Text(parsed->Positional.empty() ? texts::MissingModel : texts::TooManyArguments));
  }
  RenderRequest request;
  request.ModelPath = parsed->Positional[0];
  const auto output = parsed->Option("-o");
  if (!output) {
    return fail(context.Text(render_texts::MissingOutput));
  }
  request.OutputPath = *output;
  if (const auto wrong = OutputProblem(*output)) {
    return fail(context.Text(*wrong));
  }
  if (const auto position = parsed->Option("--position")) {
    request.Position = ParsePosition(*position);
    if (!request.Position) {
      return fail(context.Text(turning_texts::BadPosition));
    }
  }
  if (const auto area = parsed->Option("--area")) {
    const auto rect = ParseArea(*area);
    if (!rect) {
      return fail(context.Text(render_texts::BadArea));
    }
    request.Area = *rect;
  }
  if (const auto size = parsed->Option("--size")) {
    request.Size = ParseSize(*size);
    if (!request.Size) {
      return fail(context.Text(render_texts::BadSize));
    }
  }
  return request;
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
  if (!WritePng(Picture(*request, session->Model(), session->Loci()), request->OutputPath)) {
    context.Err << request->OutputPath << ": " << context.Text(messages::WriteFailed) << '\n';
    return kExitCannotWrite;
  }
  return kExitOk;
}

}  // namespace morvane::cli
