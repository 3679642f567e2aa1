#pragma once

// The analysis window's readouts in the user's language: what the analysis
// found for the model, and what changes as the mechanism turns.

#include <QString>

#include "analysis/mechanism_analysis.h"
#include "model/message.h"
#include "model/model_state.h"

namespace morvane::app {

struct Readouts {
  QString Mobility;
  QString Drive;
  QString FourBars;
  QString Swings;
};

Readouts DescribeAnalysis(const analysis::MechanismAnalysis& result, Language language);

// The power part's angle (a power piston's phase) as the model stands, and
// the transmission angle at each pin with its range over the sweep.
QString CrankAngleText(const ModelState& model, Language language);
QString TransmissionText(const analysis::MechanismAnalysis& result, const ModelState& model, Language language);

// The greatest speed and acceleration of the k-th tracked point.
QString PointSpeedText(const analysis::MechanismAnalysis& result, int point, Language language);

}  // namespace morvane::app
