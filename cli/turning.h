#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "cli/cli_command.h"
#include "model/message.h"
#include "session/session.h"
#include "solver/drive.h"

namespace morvane::cli {

// Steps of the commands that drive a model stay within what one change of the
// track bar may ask for: the drive carries a longer jump further, so a longer
// step would not land where it was asked to.
constexpr int32_t kLargestCliStep = kLargestDriveStep;

// A track position 0..7200, or nullopt.
std::optional<int32_t> ParsePosition(std::string_view text);
// A step 1..80, or nullopt.
std::optional<int32_t> ParseStep(std::string_view text);
// The model's own AngleStep, brought within the steps allowed.
int32_t DefaultStep(int32_t angleStep);

// Turns the mechanism from PowerPosition straight to `target`, `step` units a
// time, the last step shorter when needed. Ends at the first step that is not
// taken and returns its result.
DriveResult TurnStraightTo(Session& session, int32_t target, int32_t step);

// The refusal text, or the missing power part, on stderr; the exit status.
int ReportUntakenStep(const DriveResult& result, const CliContext& context);

}  // namespace morvane::cli
