#include "app/analysis_plot.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>

#include "app/app_texts.h"
#include "model/part_kind.h"
#include "solver/log_line.h"
#include "view/qt_text.h"

namespace morvane::app {

namespace {

namespace text = analysis_window;
using analysis::MechanismAnalysis;

QString Filled(const Message& message, Language language, const std::string& value) {
  return ToQString(FillPlaceholders(TextFor(message, language), {value}));
}

QString PointName(const analysis::TrackedPoint& point, Language language) {
  if (point.What == analysis::TrackedPoint::Kind::Pen) {
    return TextOf(text::Pens[PenColourIndex(point.Id)], language);
  }
  return Filled(text::Pin, language, std::to_string(point.Id));
}

// The samples in the order of the plot's axis: over a full turn from the
// least angle within the turn on.
std::vector<size_t> AxisOrder(const MechanismAnalysis& result) {
  const analysis::SweepSamples& s = result.Samples;
  std::vector<size_t> order(s.Positions.size());
  std::iota(order.begin(), order.end(), size_t{0});
  if (s.FullTurn) {
    std::stable_sort(order.begin(), order.end(), [&s](size_t a, size_t b) {
      return analysis::WithinTurn(s.Positions[a]) < analysis::WithinTurn(s.Positions[b]);
    });
  }
  return order;
}

double AxisAngle(const MechanismAnalysis& result, size_t sample) {
  const int32_t position = result.Samples.Positions[sample];
  return (result.Samples.FullTurn ? analysis::WithinTurn(position) : position) / 10.0;
}

struct Column {
  QString Name;
  std::string Heading;
  std::function<double(size_t)> Value;
};

std::vector<Column> MotionColumns(const MechanismAnalysis& result, PlotKind kind,
                                  const std::vector<analysis::Motion>& motion, bool perSecond) {
  const double w = perSecond ? result.RadiansPerSecond : 1.0;
  const std::string unit = perSecond ? "_px_per_s" : "_px_per_rad";
  if (kind == PlotKind::Velocity) {
    return {{"vx", "vx" + unit, [&motion, w](size_t i) { return motion[i].Vx * w; }},
            {"vy", "vy" + unit, [&motion, w](size_t i) { return motion[i].Vy * w; }},
            {"|v|", "speed" + unit, [&motion, w](size_t i) { return std::hypot(motion[i].Vx, motion[i].Vy) * w; }}};
  }
  const double w2 = w * w;
  const std::string unit2 = perSecond ? "_px_per_s2" : "_px_per_rad2";
  return {{"ax", "ax" + unit2, [&motion, w2](size_t i) { return motion[i].Ax * w2; }},
          {"ay", "ay" + unit2, [&motion, w2](size_t i) { return motion[i].Ay * w2; }},
          {"|a|", "acceleration" + unit2,
           [&motion, w2](size_t i) { return std::hypot(motion[i].Ax, motion[i].Ay) * w2; }}};
}

std::vector<Column> ColumnsOf(const MechanismAnalysis& result, PlotKind kind, size_t subject, bool perSecond,
                              const std::vector<analysis::Motion>& motion) {
  const size_t points = result.Recorded.Points.size();
  switch (kind) {
    case PlotKind::Position: {
      const auto& p = result.Samples.Points;
      return {{"x", "x_px", [&p, points, subject](size_t i) { return p[i * points + subject].X; }},
              {"y", "y_px", [&p, points, subject](size_t i) { return p[i * points + subject].Y; }}};
    }
    case PlotKind::Velocity:
    case PlotKind::Acceleration: return MotionColumns(result, kind, motion, perSecond);
    case PlotKind::Transmission: {
      const auto& mu = result.TransmissionAngles[subject];
      return {{"μ", "transmission_deg", [&mu](size_t i) { return mu[i]; }}};
    }
    case PlotKind::Oscillator: break;
  }
  const auto& angle = result.OscillatorAngles[subject];
  return {{"θ", "angle_deg", [&angle](size_t i) { return angle[i]; }}};
}

const Message& YTitleOf(PlotKind kind, bool perSecond) {
  switch (kind) {
    case PlotKind::Position: return text::PositionAxis;
    case PlotKind::Velocity: return perSecond ? text::VelocityPerSecondAxis : text::VelocityAxis;
    case PlotKind::Acceleration: return perSecond ? text::AccelerationPerSecondAxis : text::AccelerationAxis;
    case PlotKind::Transmission:
    case PlotKind::Oscillator: break;
  }
  return text::AngleAxis;
}

std::string Shortest(double value) {
  char buffer[32];
  return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr};
}

}  // namespace

const Message& PlotKindName(PlotKind kind) {
  switch (kind) {
    case PlotKind::Position: return text::Position;
    case PlotKind::Velocity: return text::Velocity;
    case PlotKind::Acceleration: return text::Acceleration;
    case PlotKind::Transmission: return text::TransmissionAngle;
    case PlotKind::Oscillator: break;
  }
  return text::OscillatorAngle;
}

std::vector<QString> PlotSubjects(const MechanismAnalysis& result, PlotKind kind, Language language) {
  std::vector<QString> subjects;
  if (kind == PlotKind::Transmission) {
    for (const analysis::TransmissionRange& range : result.Transmission) {
      subjects.push_back(Filled(text::Pin, language, std::to_string(range.Pin.Pin)));
    }
  } else if (kind == PlotKind::Oscillator) {
    for (const analysis::Oscillator& oscillator : result.Oscillators) {
      subjects.push_back(Filled(text::Part, language, std::to_string(oscillator.Part + 1)));
    }
  } else {
    for (const analysis::TrackedPoint& point : result.Recorded.Points) {
      subjects.push_back(PointName(point, language));
    }
  }
  return subjects;
}

PlotData BuildPlot(const MechanismAnalysis& result, PlotKind kind, int subject, bool perSecond, Language language) {
  PlotData plot;
  const std::vector<QString> subjects = PlotSubjects(result, kind, language);
  if (subject < 0 || subject >= static_cast<int>(subjects.size())) {
    return plot;
  }
  plot.Title = TextOf(PlotKindName(kind), language) + QStringLiteral(" — ") + subjects[static_cast<size_t>(subject)];
  plot.XTitle = TextOf(text::CrankAxis, language);
  plot.YTitle = TextOf(YTitleOf(kind, perSecond), language);
  plot.Band = kind == PlotKind::Transmission;
  const std::vector<size_t> order = AxisOrder(result);
  for (const size_t i : order) {
    plot.X.push_back(AxisAngle(result, i));
  }
  const bool moving = kind == PlotKind::Velocity || kind == PlotKind::Acceleration;
  const std::vector<analysis::Motion> motion =
      moving ? analysis::MotionOf(result.Samples, subject, static_cast<int>(result.Recorded.Points.size()))
             : std::vector<analysis::Motion>{};
  for (const Column& column : ColumnsOf(result, kind, static_cast<size_t>(subject), perSecond, motion)) {
    PlotSeries series{column.Name, column.Heading, {}};
    for (const size_t i : order) {
      series.Values.push_back(column.Value(i));
    }
    plot.Series.push_back(std::move(series));
  }
  return plot;
}

double PlotAngle(const MechanismAnalysis& result, double degrees) {
  const analysis::SweepSamples& s = result.Samples;
  if (s.FullTurn || s.Positions.empty()) {
    return std::fmod(std::fmod(degrees, 360.0) + 360.0, 360.0);
  }
  // The turn of `degrees` nearest the middle of the range.
  const double middle = (s.Positions.front() + s.Positions.back()) / 20.0;
  return degrees + 360.0 * std::round((middle - degrees) / 360.0);
}

std::string PlotCsv(const PlotData& plot) {
  std::string csv = "crank_angle_deg";
  for (const PlotSeries& series : plot.Series) {
    csv += "," + series.Column;
  }
  csv += "\n";
  for (size_t i = 0; i < plot.X.size(); ++i) {
    csv += Shortest(plot.X[i]);
    for (const PlotSeries& series : plot.Series) {
      csv += "," + Shortest(series.Values[i]);
    }
    csv += "\n";
  }
  return csv;
}

}  // namespace morvane::app
