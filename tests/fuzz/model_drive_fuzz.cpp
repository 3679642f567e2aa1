// Drives whatever model the reader accepts: half a turn forward, then back,
// with the log on, so every solver path a file can reach is walked. Besides
// the sanitizers' findings (and libFuzzer's own for a hang) it stops when
// - a refused step changes a part, or
// - a step that moved leaves a number that is not finite in a part that
//   held only finite ones before.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "model/model_file.h"
#include "solver/auto_rotation.h"
#include "solver/drive.h"

namespace {

using namespace morvane;

void Require(bool promise) {
  if (!promise) {
    std::abort();
  }
}

void CheckStep(const Table& before, const ModelState& model, DriveStatus status) {
  for (int i = 0; i < model.PartCount; ++i) {
    if (status == DriveStatus::Refused) {
      Require(std::memcmp(&before[i], &model.PartTable[i], sizeof(PartRecord)) == 0);
    } else if (HasFinitePlace(before[i])) {
      Require(HasFinitePlace(model.PartTable[i]));
    }
  }
}

void Turn(MoveSolver& solver, PenLoci& loci, Rotation direction) {
  ModelState& model = solver.Model;
  for (int tick = 0; tick < 1800 / kLargestDriveStep; ++tick) {
    const Table before = model.PartTable;
    const DriveResult result = DriveStep(solver, loci, NextAutoPosition(model.PowerPosition, kLargestDriveStep, direction));
    CheckStep(before, model, result.Status);
    if (result.Status != DriveStatus::Moved) {
      return;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto model = std::make_unique<ModelState>();
  if (ParseModelText(std::string_view(reinterpret_cast<const char*>(data), size), *model).Status != ReadStatus::Ok) {
    return 0;
  }
  ProgressLog log{.Enabled = true};
  PenLoci loci;
  MoveSolver solver(*model, log);
  Turn(solver, loci, Rotation::Forward);
  Turn(solver, loci, Rotation::Backward);
  return 0;
}
