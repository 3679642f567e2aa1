// Renderings of the example models and of a model with every kind, compared
// pixel for pixel with the references in tests/data/render. The references
// are written only on purpose: scripts/update-golden sets
// MORVANE_UPDATE_GOLDEN=1 for one run.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/model_file.h"
#include "tests/render_support.h"

namespace morvane::testing {
namespace {

namespace fs = std::filesystem;

bool Updating() {
  const char* value = std::getenv("MORVANE_UPDATE_GOLDEN");
  return value != nullptr && std::string(value) == "1";
}

fs::path FailureFolder() {
  const fs::path folder = fs::temp_directory_path() / "morvane-render-failures";
  fs::create_directories(folder);
  return folder;
}

// On a mismatch the rendering and a picture of the differing pixels are left
// in FailureFolder().
void ExpectMatchesReference(const QImage& picture, const std::string& name) {
  const std::string path = std::string(MORVANE_SOURCE_DIR) + "/tests/data/render/" + name + ".png";
  if (Updating()) {
    ASSERT_TRUE(picture.save(QString::fromStdString(path), "PNG")) << path;
    return;
  }
  const QImage reference = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(reference.isNull()) << "no reference " << path << "; see scripts/update-golden";
  ASSERT_EQ(reference.size(), picture.size()) << name;
  QImage difference(picture.size(), QImage::Format_RGB32);
  difference.fill(Qt::white);
  int differing = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (Rgb(picture, x, y) != Rgb(reference, x, y)) {
        ++differing;
        difference.setPixel(x, y, qRgb(255, 0, 0));
      }
    }
  }
  if (differing > 0) {
    const fs::path stem = FailureFolder() / name;
    picture.save(QString::fromStdString(stem.string() + ".out.png"));
    difference.save(QString::fromStdString(stem.string() + ".diff.png"));
    ADD_FAILURE() << name << ": " << differing << " pixels differ; see " << stem.string() << ".{out,diff}.png";
  }
}

void ExpectBothMatch(const Rendering& rendering, const std::string& name) {
  ExpectMatchesReference(rendering.Scene, name);
  ExpectMatchesReference(rendering.Index, name + ".index");
}

std::vector<fs::path> ExampleFiles() {
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(MORVANE_SOURCE_DIR) / "examples")) {
    if (entry.path().extension() == ".mvd") {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(GoldenRendering, ExampleModels) {
  const std::vector<fs::path> files = ExampleFiles();
  ASSERT_GE(files.size(), 6u);
  for (const fs::path& file : files) {
    auto model = std::make_unique<ModelState>();
    ASSERT_EQ(ReadModelFile(file.string(), *model).Status, ReadStatus::Ok) << file;
    ExpectBothMatch(Render(*model), file.stem().string());
  }
}

TEST(GoldenRendering, EveryKind) {
  auto model = std::make_unique<ModelState>();
  PenLoci loci;
  BuildEveryKindModel(*model, loci);
  ExpectBothMatch(Render(*model, loci), "every-kind");
}

}  // namespace
}  // namespace morvane::testing
