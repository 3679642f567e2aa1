#include "cli/turning.h"

#include <algorithm>

#include "cli/cli_texts.h"

namespace morvane::cli {

std::optional<int32_t> ParsePosition(std::string_view text) {
  const std::optional<int> value = ParseInt(text);
  return value && *value >= 0 && *value <= kTrackMax ? value : std::nullopt;
}

std::optional<int32_t> ParseStep(std::string_view text) {
  const std::optional<int> value = ParseInt(text);
  return value && *value >= 1 && *value <= kLargestCliStep ? value : std::nullopt;
}

int32_t DefaultStep(int32_t angleStep) { return std::clamp(angleStep, 1, kLargestCliStep); }

DriveResult TurnStraightTo(Session& session, int32_t target, int32_t step) {
  const ModelState& model = session.Model();
  DriveResult result{DriveStatus::Moved};
  while (result.Status == DriveStatus::Moved && model.PowerPosition != target) {
    const int32_t at = model.PowerPosition;
    result = session.DriveTo(at < target ? std::min(at + step, target) : std::max(at - step, target));
  }
  return result;
}

int ReportUntakenStep(const DriveResult& result, const CliContext& context) {
  context.Err << context.Text(result.Status == DriveStatus::Refused ? result.RefusalText
                                                                     : cli_texts::ModelWithoutPowerPart)
              << '\n';
  return kExitRefused;
}

}  // namespace morvane::cli
