// The example models and a model with every kind against the references in
// tests/data/render, pixel for pixel; scripts/update-golden rewrites them.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "model/catalogue.h"
#include "model/part_kind.h"
#include "tests/render_support.h"
#include "tests/test_support.h"

namespace morvane::testing {
namespace {

namespace fs = std::filesystem;

// Every kind code with fixed and movable pins and the four pens, a Selected
// disk, pins and pens on their way from the palette, a trail of every colour.
Rendering RenderEveryKind() {
  auto model = std::make_unique<ModelState>();
  PenLoci loci;
  // Pins and pens go into the hole of a part below them.
  const struct {
    int32_t Kind;
    double X, Y, Angle = 0;
    std::optional<double> Size = std::nullopt;
  } parts[] = {
      {DiskActive1, 100, 100}, {DiskActive2, 300, 120}, {DiskActive3, 530, 140}, {DiskPassive1, 100, 300},
      {DiskPassive2, 300, 320}, {DiskPassive3, 530, 340}, {RodActive1, 700, 60}, {RodActive2, 700, 140, 15},
      {RodPassive1, 900, 60}, {RodPassive2, 900, 120}, {RodPassive3, 700, 220, -10}, {RodPassive4, 700, 300},
      {RodPassive5, 1140, 60, 0, 120}, {RodPassive6, 700, 420, 0, 500}, {Triangle1, 60, 640}, {Triangle2, 250, 640, 30},
      {Triangle3, 470, 640}, {Lgata1, 730, 640}, {Lgata2, 900, 640}, {Lgata3, 1240, 940, -90}, {PistonActive, 100, 760},
      {PistonPassive, 100, 880, 0, 190}, {KoteiPin, 700, 420}, {Hatome, 740, 420}, {PenBlack, 780, 420},
      {PenRed, 820, 420}, {PenBlue, 860, 420}, {PenGreen, 900, 420}, {Hatome, 40, 300}, {PenRed, 100, 270},
      {Hatome, 430, 760}, {PenBlue, 450, 760}, {Hatome, 530, 880},
  };
  for (const auto& p : parts) {
    if (!IsPin(p.Kind) && !IsPen(p.Kind)) {
      AddPart(*model, p.Kind, p.X, p.Y, p.Angle, p.Size);
    } else if (!(IsPin(p.Kind) ? PlacePin(*model, p.Kind == KoteiPin ? PinStatus::Fixed : PinStatus::Movable, p.X, p.Y) : PlacePen(*model, p.Kind, p.X, p.Y))) {
      throw std::runtime_error("no hole for the pin or pen");
    }
  }
  model->PartTable[AddPart(*model, DiskPassive1, 1100, 420)].Selected = true;
  // Records on their way from the palette stay Selected at the end of the table.
  const int32_t loose[] = {Hatome, KoteiPin, PenBlack, PenRed, PenBlue, PenGreen};
  for (int i = 0; i < 6; ++i) {
    CreatePart(*model, loose[i], 660 + 40 * i, 930);
  }
  for (int colour = 0; colour < kPenColours; ++colour) {
    for (int step = 0; step <= 90; ++step) {
      const double a = step * 4 * 0.017453292519943295;
      loci.Trails[colour].X.push_back(820 + (50 + 12 * colour) * std::cos(a));
      loci.Trails[colour].Y.push_back(800 + (30 + 10 * colour) * std::sin(2 * a));
    }
  }
  return Render(*model, loci);
}

void ExpectMatchesReferences(const Rendering& rendering, const std::string& name) {
  for (const auto& [picture, suffix] : {std::pair(&rendering.Scene, ""), std::pair(&rendering.Index, ".index")}) {
    const std::string file = name + suffix + ".png";
    const QString path = QString::fromStdString(std::string(MORVANE_SOURCE_DIR) + "/tests/data/render/" + file);
    if (const char* update = std::getenv("MORVANE_UPDATE_GOLDEN"); update != nullptr && std::string(update) == "1") {
      ASSERT_TRUE(picture->save(path, "PNG")) << file;
    } else if (*picture != QImage(path).convertToFormat(QImage::Format_RGB32)) {
      const std::string out = (fs::temp_directory_path() / ("morvane-render-" + file)).string();
      picture->save(QString::fromStdString(out));
      ADD_FAILURE() << file << " differs from the rendering in " << out << "; see scripts/update-golden";
    }
  }
}

TEST(GoldenRendering, ExampleModelsAndEveryKind) {
  int examples = 0;
  for (const std::string& folder : {kExamples, kLockingModels}) {
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      if (entry.path().extension() == ".mvd") {
        ExpectMatchesReferences(Render(*LoadModel(entry.path().string())), entry.path().stem().string());
        ++examples;
      }
    }
  }
  EXPECT_GE(examples, 19);
  ExpectMatchesReferences(RenderEveryKind(), "every-kind");
}

}  // namespace
}  // namespace morvane::testing
