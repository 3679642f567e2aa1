// Feeds arbitrary bytes to the model reader and drives whatever it accepts
// half a turn forward and back, with the log on. Besides the sanitizers'
// findings (and libFuzzer's own for a hang) it stops on a broken promise:
// - a refused text leaves the model exactly as it was;
// - whatever the reader accepts, the writer writes in a form that the reader
//   accepts again and that writes back to the very same text;
// - a refused step changes no part, and a step that moved leaves no number
//   that is not finite in a part that held only finite ones before.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "model/model_file.h"
#include "solver/auto_rotation.h"
#include "solver/drive.h"

namespace {

using namespace morvane;

bool Accepts(std::string_view text, ModelState& model) { return ParseModelText(text, model).Status == ReadStatus::Ok; }

void Require(bool promise) {
  if (!promise) {
    std::abort();
  }
}

void Turn(MoveSolver& solver, PenLoci& loci, Rotation direction) {
  const ModelState& model = solver.Model;
  for (int tick = 0; tick < 1800 / kLargestDriveStep; ++tick) {
    const Table before = model.PartTable;
    const DriveStatus status =
        DriveStep(solver, loci, NextAutoPosition(model.PowerPosition, kLargestDriveStep, direction)).Status;
    for (int i = 0; i < model.PartCount; ++i) {
      Require(status == DriveStatus::Refused ? std::memcmp(&before[i], &model.PartTable[i], sizeof(PartRecord)) == 0
                                             : !HasFinitePlace(before[i]) || HasFinitePlace(model.PartTable[i]));
    }
    if (status != DriveStatus::Moved) {
      return;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Kept between runs so that refusals are checked against loaded models too.
  static const auto model = std::make_unique<ModelState>();
  static const auto before = std::make_unique<ModelState>();
  std::memcpy(static_cast<void*>(before.get()), model.get(), sizeof(ModelState));

  if (!Accepts(std::string_view(reinterpret_cast<const char*>(data), size), *model)) {
    Require(std::memcmp(before.get(), model.get(), sizeof(ModelState)) == 0);
    return 0;
  }
  const std::optional<std::string> written = FormatModelText(*model);
  Require(written && Accepts(*written, *model));
  Require(FormatModelText(*model) == written);

  ProgressLog log{.Enabled = true};
  PenLoci loci;
  MoveSolver solver(*model, log);
  Turn(solver, loci, Rotation::Forward);
  Turn(solver, loci, Rotation::Backward);
  return 0;
}
