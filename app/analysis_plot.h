#pragma once

// What the analysis window plots against the crank angle: the position,
// velocity or acceleration of a pin or pen, the transmission angle at a pin
// with the working band of 40 to 140 degrees, or the angle of an oscillating
// part; and the same figures as CSV.

#include <QString>
#include <string>
#include <vector>

#include "analysis/mechanism_analysis.h"
#include "model/message.h"

namespace morvane::app {

enum class PlotKind { Position, Velocity, Acceleration, Transmission, Oscillator };
inline constexpr int kPlotKinds = 5;

struct PlotSeries {
  QString Name;
  // The CSV column's heading: plain English words and units.
  std::string Column;
  std::vector<double> Values;
};

struct PlotData {
  QString Title;
  QString XTitle;
  QString YTitle;
  // The crank angle in degrees, increasing: 0 to 360 over a full turn, the
  // range between the dead points otherwise.
  std::vector<double> X;
  std::vector<PlotSeries> Series;
  // The transmission angle's working band.
  bool Band = false;
};

const Message& PlotKindName(PlotKind kind);

// What a kind can be plotted for: the pins and pens, the pins with a
// transmission angle, or the oscillating parts, in the analysis's order.
std::vector<QString> PlotSubjects(const analysis::MechanismAnalysis& result, PlotKind kind, Language language);

// Velocities and accelerations per radian of the power part, or per second at
// the speed of automatic rotation.
PlotData BuildPlot(const analysis::MechanismAnalysis& result, PlotKind kind, int subject, bool perSecond,
                   Language language);

// Where the power part standing at `degrees` falls on the plot's axis.
double PlotAngle(const analysis::MechanismAnalysis& result, double degrees);

// A heading row, then one row a sample; numbers as the shortest decimals that
// read back exactly.
std::string PlotCsv(const PlotData& plot);

}  // namespace morvane::app
