#include "app/analysis_readouts.h"

#include <charconv>
#include <string>
#include <vector>

#include "analysis/report_words.h"
#include "app/app_texts.h"
#include "model/part_kind.h"
#include "solver/log_line.h"
#include "view/qt_text.h"

namespace morvane::app {

namespace {

namespace text = analysis_window;
using namespace analysis;

std::string Fixed(double value, int decimals) {
  char buffer[64];
  return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr};
}

std::string Degrees(int32_t position) { return Fixed(WithinTurn(position) / 10.0, 1); }

QString Line(const Message& message, Language language, const std::vector<std::string>& values) {
  return ToQString(FillPlaceholders(TextFor(message, language), values));
}

QString Lines(const std::vector<QString>& lines) {
  QString joined;
  for (const QString& line : lines) {
    joined += (joined.isEmpty() ? QString() : QStringLiteral("\n")) + line;
  }
  return joined;
}

QString MobilityOf(const MechanismAnalysis& result, Language language) {
  const MobilityCount& m = result.Mobility;
  QString words = Line(text::Mobility, language,
                       {std::to_string(m.Degrees), std::to_string(m.Bodies), std::to_string(m.LowerPairs)});
  if (m.HasReason) {
    words += QStringLiteral("\n") + ToQString(MobilityReasonText(m, language));
  }
  return words;
}

QString DriveOf(const MechanismAnalysis& result, Language language) {
  if (!result.PowerPart) {
    return TextOf(text::NoPowerPart, language);
  }
  if (result.TurnsFully) {
    return TextOf(text::TurnsFully, language);
  }
  const SweepSamples& s = result.Samples;
  std::vector<QString> lines{
      Line(text::Rocks, language, {Degrees(s.Positions.front()), Degrees(s.Positions.back())})};
  for (const DeadPoint& dead : result.DeadPoints) {
    lines.push_back(
        Line(text::DeadPoint, language, {Degrees(dead.Position), std::string(TextFor(dead.Reason, language))}));
  }
  return Lines(lines);
}

QString FourBarsOf(const MechanismAnalysis& result, Language language) {
  std::vector<QString> lines;
  for (const FourBarLoop& loop : result.FourBars) {
    const FourBarLengths& l = loop.Lengths;
    lines.push_back(Line(text::FourBar, language,
                         {std::to_string(loop.Crank + 1), std::to_string(loop.Coupler + 1),
                          std::to_string(loop.Rocker + 1), Fixed(l.Ground, 1), Fixed(l.Crank, 1),
                          Fixed(l.Coupler, 1), Fixed(l.Rocker, 1),
                          std::string(TextFor(ClassName(loop.Class), language))}));
    lines.push_back(TextOf(ClassNote(loop), language));
  }
  return Lines(lines);
}

QString RatioOf(const std::optional<double>& ratio, Language language) {
  return ratio ? Line(text::TimeRatio, language, {Fixed(*ratio, 3)}) : QString();
}

QString SwingsOf(const MechanismAnalysis& result, Language language) {
  std::vector<QString> lines;
  for (const Oscillator& o : result.Oscillators) {
    lines.push_back(Line(text::Swing, language, {std::to_string(o.Part + 1), Fixed(o.Swing, 2)}) +
                    RatioOf(o.TimeRatio, language));
  }
  for (const PistonStroke& p : result.Pistons) {
    lines.push_back(Line(text::Stroke, language,
                         {std::to_string(p.Part + 1), Fixed(p.Greatest.Value - p.Least.Value, 2),
                          Fixed(p.Least.Value, 2), Fixed(p.Greatest.Value, 2)}) +
                    RatioOf(p.TimeRatio, language));
  }
  return Lines(lines);
}

}  // namespace

Readouts DescribeAnalysis(const MechanismAnalysis& result, Language language) {
  return {MobilityOf(result, language), DriveOf(result, language), FourBarsOf(result, language),
          SwingsOf(result, language)};
}

QString CrankAngleText(const ModelState& model, Language language) {
  const std::optional<int> power = UsablePowerPart(model);
  if (!power) {
    return QString();
  }
  const PartRecord& part = model.PartTable[*power];
  const double degrees = NormalizeAngle360(part.Kind == PistonActive ? part.Size : part.Angle);
  return Line(text::CrankAngle, language, {Fixed(degrees, 1)});
}

QString TransmissionText(const MechanismAnalysis& result, const ModelState& model, Language language) {
  std::vector<QString> lines;
  for (const TransmissionRange& range : result.Transmission) {
    const TransmissionPin& pin = range.Pin;
    const std::vector<TrackedPoint>& points = result.Recorded.Points;
    const double now = AngleBetween(PositionOf(model.PartTable, points[static_cast<size_t>(pin.At)]),
                                    PositionOf(model.PartTable, points[static_cast<size_t>(pin.TowardA)]),
                                    PositionOf(model.PartTable, points[static_cast<size_t>(pin.TowardB)]));
    lines.push_back(Line(text::Transmission, language,
                         {std::to_string(pin.Pin), Fixed(now, 1), Fixed(range.Least.Value, 1),
                          Fixed(range.Greatest.Value, 1)}));
  }
  return Lines(lines);
}

QString PointSpeedText(const MechanismAnalysis& result, int point, Language language) {
  if (point < 0 || point >= static_cast<int>(result.Points.size())) {
    return QString();
  }
  const PointSpeed& p = result.Points[static_cast<size_t>(point)];
  const double w = result.RadiansPerSecond;
  return Line(text::PointSpeed, language,
              {Fixed(p.Speed.Value, 1), Fixed(p.Speed.Value * w, 1), Fixed(p.Speed.At / 10.0, 1),
               Fixed(p.Acceleration.Value, 1), Fixed(p.Acceleration.Value * w * w, 1),
               Fixed(p.Acceleration.At / 10.0, 1)});
}

}  // namespace morvane::app
