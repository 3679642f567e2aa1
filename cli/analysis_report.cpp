#include "cli/analysis_report.h"

#include <charconv>
#include <string>
#include <vector>

#include "analysis/report_words.h"
#include "cli/cli_texts.h"
#include "cli/json_writer.h"
#include "model/part_kind.h"
#include "solver/log_line.h"

namespace morvane::cli {

namespace {

using namespace analysis;

std::string Fixed(double value, int decimals) {
  char buffer[64];
  return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals).ptr};
}

std::string Figure(double value) { return Fixed(value, 2); }
std::string Number(int value) { return std::to_string(value); }

std::string PointName(const TrackedPoint& point, Language language) {
  if (point.What == TrackedPoint::Kind::Pin) {
    return std::string(TextFor(cli_texts::PinLabel, language)) + ' ' + Number(point.Id);
  }
  return std::string(TextFor(cli_texts::PenLabel, language)) + ' ' + std::string(PenColourName(point.Id));
}

void Line(CliContext& context, const Message& text, const std::vector<std::string>& values) {
  context.Out << FillPlaceholders(context.Text(text), values) << '\n';
}

void WriteJoints(const MobilityCount& mobility, CliContext& context) {
  context.Out << context.Text(cli_texts::JointsLabel) << ':';
  for (const Joint& joint : mobility.Joints) {
    context.Out << ' ' << context.Text(JointName(joint.Kind));
    if (joint.Pin >= 0) {
      context.Out << ' ' << joint.Pin;
    }
    context.Out << " (" << context.Text(cli_texts::PartsOfJoint);
    for (size_t k = 0; k < joint.Parts.size(); ++k) {
      context.Out << (k ? ", " : " ") << joint.Parts[k] + 1;
    }
    context.Out << ')' << (joint.Count > 1 ? " x" + Number(joint.Count) : "") << ';';
  }
  context.Out << '\n';
}

void WriteDrive(const MechanismAnalysis& result, CliContext& context) {
  if (!result.PowerPart) {
    Line(context, cli_texts::NoDrive, {});
  } else if (result.TurnsFully) {
    Line(context, cli_texts::TurnsFully, {});
  } else {
    const SweepSamples& s = result.Samples;
    Line(context, cli_texts::Rocks, {Number(WithinTurn(s.Positions.front())), Number(WithinTurn(s.Positions.back()))});
    for (const DeadPoint& dead : result.DeadPoints) {
      Line(context, cli_texts::DeadPointLine,
           {Number(dead.Position), Number(dead.RefusedAt), std::string(context.Text(dead.Reason))});
    }
  }
}

// Ends the line of an oscillator or a piston.
void WriteTimeRatio(const std::optional<double>& ratio, CliContext& context) {
  if (ratio) {
    context.Out << FillPlaceholders(context.Text(cli_texts::TimeRatioPart), {Fixed(*ratio, 4)});
  }
  context.Out << '\n';
}

void WriteFigures(const MechanismAnalysis& result, CliContext& context) {
  for (const FourBarLoop& loop : result.FourBars) {
    const FourBarLengths& l = loop.Lengths;
    Line(context, cli_texts::FourBarLine,
         {Number(loop.Crank + 1), Number(loop.Coupler + 1), Number(loop.Rocker + 1), Fixed(l.Ground, 3),
          Fixed(l.Crank, 3), Fixed(l.Coupler, 3), Fixed(l.Rocker, 3), std::string(context.Text(ClassName(loop.Class))),
          std::string(context.Text(ClassNote(loop)))});
  }
  for (const TransmissionRange& range : result.Transmission) {
    Line(context, cli_texts::TransmissionLine,
         {Number(range.Pin.Pin), Figure(range.Least.Value), Number(range.Least.At), Figure(range.Greatest.Value),
          Number(range.Greatest.At), Figure(range.WorstFrom90)});
  }
  for (const Oscillator& o : result.Oscillators) {
    context.Out << FillPlaceholders(context.Text(cli_texts::OscillatorLine),
                                    {Number(o.Part + 1), Figure(o.Swing), Number(o.Limits[0]), Number(o.Limits[1])});
    WriteTimeRatio(o.TimeRatio, context);
  }
  for (const PistonStroke& p : result.Pistons) {
    context.Out << FillPlaceholders(context.Text(cli_texts::PistonLine),
                                    {Number(p.Part + 1), Figure(p.Least.Value), Number(p.Least.At),
                                     Figure(p.Greatest.Value), Number(p.Greatest.At),
                                     Figure(p.Greatest.Value - p.Least.Value)});
    WriteTimeRatio(p.TimeRatio, context);
  }
}

void WriteSpeeds(const MechanismAnalysis& result, CliContext& context) {
  const double w = result.RadiansPerSecond;
  Line(context, cli_texts::SpeedsLine, {Number(result.AngleStep), Figure(w * kRadToDeg)});
  for (const PointSpeed& p : result.Points) {
    Line(context, cli_texts::PointLine,
         {PointName(p.Tracked, context.UiLanguage), Figure(p.Speed.Value), Figure(p.Speed.Value * w),
          Number(p.Speed.At), Figure(p.Acceleration.Value), Figure(p.Acceleration.Value * w * w),
          Number(p.Acceleration.At)});
  }
}

void JsonParts(JsonWriter& json, const std::vector<int>& parts) {
  json.BeginArray();
  for (const int part : parts) {
    json.Value(part + 1);
  }
  json.EndArray();
}

void JsonExtreme(JsonWriter& json, std::string_view value, std::string_view at, const Extreme& extreme) {
  json.Key(value).Value(extreme.Value).Key(at).Value(extreme.At);
}

void JsonMobility(const MechanismAnalysis& result, JsonWriter& json, Language language) {
  const MobilityCount& m = result.Mobility;
  json.Key("mobility").Value(m.Degrees).Key("parts").Value(m.Bodies - 1).Key("links").Value(m.Bodies);
  json.Key("joints").BeginArray();
  for (const Joint& joint : m.Joints) {
    json.BeginObject().Key("type").Value(JointName(joint.Kind).English).Key("pin");
    (joint.Pin >= 0 ? json.Value(joint.Pin) : json.Null()).Key("parts");
    JsonParts(json, joint.Parts);
    json.Key("count").Value(joint.Count).EndObject();
  }
  json.EndArray().Key("reason");
  (m.HasReason ? json.Value(MobilityReasonText(m, language)) : json.Null());
}

void JsonDrive(const MechanismAnalysis& result, JsonWriter& json, Language language) {
  json.Key("power_part");
  (result.PowerPart ? json.Value(*result.PowerPart + 1) : json.Null());
  json.Key("turns_fully").Value(result.TurnsFully).Key("dead_points").BeginArray();
  for (const DeadPoint& dead : result.DeadPoints) {
    json.BeginObject().Key("position").Value(dead.Position).Key("refused_at").Value(dead.RefusedAt);
    json.Key("reason").Value(TextFor(dead.Reason, language)).EndObject();
  }
  json.EndArray();
}

void JsonFourBars(const MechanismAnalysis& result, JsonWriter& json, Language language) {
  json.Key("four_bars").BeginArray();
  for (const FourBarLoop& loop : result.FourBars) {
    const FourBarLengths& l = loop.Lengths;
    json.BeginObject().Key("crank_part").Value(loop.Crank + 1).Key("coupler_part").Value(loop.Coupler + 1);
    json.Key("rocker_part").Value(loop.Rocker + 1).Key("pins").BeginArray();
    for (const int32_t pin : {loop.AxlePin, loop.CrankPin, loop.CouplerPin, loop.PivotPin}) {
      json.Value(pin);
    }
    json.EndArray().Key("ground").Value(l.Ground).Key("crank").Value(l.Crank).Key("coupler").Value(l.Coupler);
    json.Key("rocker").Value(l.Rocker).Key("class").Value(ClassName(loop.Class).English);
    json.Key("note").Value(TextFor(ClassNote(loop), language)).EndObject();
  }
  json.EndArray();
}

void JsonMotions(const MechanismAnalysis& result, JsonWriter& json) {
  json.Key("transmission").BeginArray();
  for (const TransmissionRange& range : result.Transmission) {
    json.BeginObject().Key("pin").Value(range.Pin.Pin).Key("parts");
    JsonParts(json, {range.Pin.PartA, range.Pin.PartB});
    JsonExtreme(json, "min", "min_at", range.Least);
    JsonExtreme(json, "max", "max_at", range.Greatest);
    json.Key("worst_from_90").Value(range.WorstFrom90).EndObject();
  }
  json.EndArray().Key("oscillators").BeginArray();
  for (const Oscillator& o : result.Oscillators) {
    json.BeginObject().Key("part").Value(o.Part + 1).Key("swing").Value(o.Swing).Key("limits").BeginArray();
    json.Value(o.Limits[0]).Value(o.Limits[1]).EndArray().Key("time_ratio");
    (o.TimeRatio ? json.Value(*o.TimeRatio) : json.Null()).EndObject();
  }
  json.EndArray().Key("pistons").BeginArray();
  for (const PistonStroke& p : result.Pistons) {
    json.BeginObject().Key("part").Value(p.Part + 1);
    JsonExtreme(json, "least", "least_at", p.Least);
    JsonExtreme(json, "greatest", "greatest_at", p.Greatest);
    json.Key("stroke").Value(p.Greatest.Value - p.Least.Value).Key("time_ratio");
    (p.TimeRatio ? json.Value(*p.TimeRatio) : json.Null()).EndObject();
  }
  json.EndArray();
}

void JsonPoints(const MechanismAnalysis& result, JsonWriter& json) {
  const double w = result.RadiansPerSecond;
  json.Key("speed").BeginObject().Key("angle_step").Value(result.AngleStep);
  json.Key("degrees_per_second").Value(w * kRadToDeg).Key("radians_per_second").Value(w).EndObject();
  json.Key("points").BeginArray();
  for (const PointSpeed& p : result.Points) {
    json.BeginObject();
    if (p.Tracked.What == TrackedPoint::Kind::Pin) {
      json.Key("pin").Value(p.Tracked.Id);
    } else {
      json.Key("pen").Value(PenColourName(p.Tracked.Id));
    }
    JsonExtreme(json, "speed_max", "speed_max_at", p.Speed);
    JsonExtreme(json, "accel_max", "accel_max_at", p.Acceleration);
    json.Key("speed_max_per_s").Value(p.Speed.Value * w).Key("accel_max_per_s2").Value(p.Acceleration.Value * w * w);
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace

void WriteAnalysisText(const MechanismAnalysis& result, CliContext& context) {
  const MobilityCount& m = result.Mobility;
  Line(context, cli_texts::MobilityLine, {Number(m.Degrees), Number(m.Bodies), Number(m.LowerPairs + m.HigherPairs)});
  if (m.HasReason) {
    Line(context, cli_texts::WhyLine, {MobilityReasonText(m, context.UiLanguage)});
  }
  WriteJoints(m, context);
  WriteDrive(result, context);
  WriteFigures(result, context);
  WriteSpeeds(result, context);
}

void WriteAnalysisJson(const MechanismAnalysis& result, int32_t step, CliContext& context) {
  JsonWriter json(context.Out);
  json.BeginObject();
  JsonMobility(result, json, context.UiLanguage);
  json.Key("step").Value(step);
  JsonDrive(result, json, context.UiLanguage);
  JsonFourBars(result, json, context.UiLanguage);
  JsonMotions(result, json);
  JsonPoints(result, json);
  json.EndObject();
}

}  // namespace morvane::cli
