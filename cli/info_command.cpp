#include <memory>

#include "cli/argument_reader.h"
#include "cli/cli_texts.h"
#include "cli/commands.h"
#include "model/number_format.h"
#include "model/part_kind.h"
#include "model/part_frame.h"

namespace morvane::cli {

namespace {

std::string Coordinates(double x, double y) { return "(" + FormatGeneral(x) + ", " + FormatGeneral(y) + ")"; }

void PrintCounters(const ModelState& model, CliContext& context) {
  std::ostream& out = context.Out;
  out << context.Text(cli_texts::PartsLabel) << ": " << model.PartCount << '\n'
      << context.Text(cli_texts::NextPinLabel) << ": " << model.NextPinId << '\n'
      << context.Text(cli_texts::PowerPartLabel) << ": ";
  if (model.HasPowerPart) {
    out << model.PowerPartIndex << ' ' << PartKindName(model.PartTable[model.PowerPartIndex].Kind) << '\n';
  } else {
    out << context.Text(cli_texts::NoPowerPart) << '\n';
  }
  out << context.Text(cli_texts::PensLabel) << ':';
  for (int c = 0; c < kPenColours; ++c) {
    if (model.PenPlaced[c]) {
      out << ' ' << PenColourName(PenBlack + c);
    }
  }
  out << '\n'
      << context.Text(cli_texts::TrackLabel) << ": " << model.TrackPosition << ", "
      << context.Text(cli_texts::PowerPositionLabel) << ": " << model.PowerPosition << ", "
      << context.Text(cli_texts::AngleStepLabel) << ": " << model.AngleStep << ", "
      << context.Text(cli_texts::SpeedLabel) << ": " << model.SpeedIndex << '\n'
      << context.Text(cli_texts::PlacementLabel) << ": " << context.Text(cli_texts::TrackLabel) << ' '
      << model.PlacementTrackPosition << ", " << context.Text(cli_texts::AngleStepLabel) << ' '
      << model.PlacementAngleStep << ", " << context.Text(cli_texts::SpeedLabel) << ' ' << model.PlacementSpeedIndex
      << '\n';
}

void PrintPart(const PartRecord& part, int index, CliContext& context) {
  std::ostream& out = context.Out;
  const std::string_view name = PartKindName(part.Kind);
  out << '[' << index << "] " << (name.empty() ? std::to_string(part.Kind) : std::string(name)) << ' '
      << Coordinates(part.X, part.Y) << ' ' << context.Text(cli_texts::AngleLabel) << ' ' << FormatGeneral(part.Angle)
      << ' ' << context.Text(cli_texts::SizeLabel) << ' ' << FormatGeneral(part.Size);
  if (!part.Visible) {
    out << ' ' << context.Text(cli_texts::Hidden);
  }
  if (part.Selected) {
    out << ' ' << context.Text(cli_texts::SelectedLabel);
  }
  out << '\n';
  for (int s = 0; s < part.PinCount; ++s) {
    const Point p = PinWorld(part, s);
    out << "    " << context.Text(cli_texts::PinLabel) << ' ' << part.PinId[s] << ' '
        << context.Text(part.PinState[s] == PinStatus::Movable ? cli_texts::Movable : cli_texts::Fixed) << ' '
        << Coordinates(p.X, p.Y) << '\n';
  }
  for (int s = 0; s < part.PenCount; ++s) {
    const Point p = PenWorld(part, s);
    const std::string_view colour = PenColourName(part.PenColor[s]);
    out << "    " << context.Text(cli_texts::PenLabel) << ' '
        << (colour.empty() ? std::to_string(part.PenColor[s]) : std::string(colour)) << ' '
        << Coordinates(p.X, p.Y) << '\n';
  }
}

}  // namespace

int RunInfo(const std::vector<std::string>& args, CliContext& context) {
  const ArgumentReader reader(FindCommand("info"), args, context, {});
  if (!reader.Ok()) {
    return kExitUsage;
  }
  const std::string& path = reader.Model();
  const auto session = OpenSession(path, context);
  if (!session) {
    return kExitBadModel;
  }
  const ModelState& model = session->Model();
  PrintCounters(model, context);
  for (int i = 0; i < model.PartCount; ++i) {
    PrintPart(model.PartTable[i], i, context);
  }
  return kExitOk;
}

}  // namespace morvane::cli
