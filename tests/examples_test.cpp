#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>

#include "examples/example_models.h"
#include "examples/examples_texts.h"
#include "model/model_file.h"
#include "tests/test_support.h"

namespace morvane {
namespace {

void ExpectFilesMatchTheirConstruction(const std::vector<examples::ExampleModel>& models, const std::string& folder) {
  for (const examples::ExampleModel& example : models) {
    Session built;
    example.Build(built);
    const std::string onDisk = testing::ReadWholeFile(folder + example.FileName);
    EXPECT_EQ(onDisk, FormatModelText(built.Model())) << example.FileName << ": regenerate with make_examples";

    auto read = std::make_unique<ModelState>();
    ASSERT_EQ(ReadModelFile(folder + example.FileName, *read).Status, ReadStatus::Ok) << example.FileName;
    EXPECT_EQ(FormatModelText(*read), onDisk) << example.FileName;
    EXPECT_TRUE(read->HasPowerPart) << example.FileName;
  }
}

// The files in examples/ and the locking models of the tests are what the
// catalogue builds, and each survives a read and a second save byte for byte.
TEST(Examples, FilesMatchTheirConstructionAndRoundTrip) {
  ExpectFilesMatchTheirConstruction(examples::ExampleModels(), testing::kExamples);
  ExpectFilesMatchTheirConstruction(examples::LockingModels(), testing::kLockingModels);
}

// The gallery lists exactly the models of the examples folder, each with a
// name and a sentence in both languages.
TEST(Examples, EveryExampleHasItsTextsAndTheFolderHoldsNothingElse) {
  const std::vector<examples::ExampleModel>& models = examples::ExampleModels();
  ASSERT_EQ(models.size(), examples_texts::kExampleTexts.size());
  std::set<std::string> listed;
  for (size_t i = 0; i < models.size(); ++i) {
    const examples_texts::ExampleText& text = examples_texts::kExampleTexts[i];
    EXPECT_EQ(text.FileName, models[i].FileName);
    EXPECT_FALSE(text.Name.Japanese.empty() || text.Name.English.empty() || text.About.Japanese.empty() ||
                 text.About.English.empty())
        << text.FileName;
    listed.insert(models[i].FileName);
  }
  std::set<std::string> inFolder;
  for (const auto& entry : std::filesystem::directory_iterator(testing::kExamples)) {
    if (entry.path().extension() == ".mvd") {
      inFolder.insert(entry.path().filename().string());
    }
  }
  EXPECT_EQ(inFolder, listed);
}

}  // namespace
}  // namespace morvane
