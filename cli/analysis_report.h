#pragma once

#include <cstdint>

#include "analysis/mechanism_analysis.h"
#include "cli/cli_command.h"

namespace morvane::cli {

// The analysis for people: one line per finding, figures rounded.
void WriteAnalysisText(const analysis::MechanismAnalysis& result, CliContext& context);

// The analysis for programs, every figure as the analysis found it. Part
// numbers count from 1 in file order; positions are track positions within a
// turn (tenths of a degree), angles degrees, lengths pixels. Class and joint
// names are English; reasons and notes are in the context's language.
void WriteAnalysisJson(const analysis::MechanismAnalysis& result, int32_t step, CliContext& context);

}  // namespace morvane::cli
