#include "model/model_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>

#include "model/catalogue.h"
#include "model/model_texts.h"
#include "model/part_kind.h"
#include "tests/part_building.h"
#include "tests/test_support.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

using namespace testing;

// Only created, not dropped: the part stays Selected, as while it is dragged.
void Create(ModelState& model, int32_t kind, double x, double y) { ASSERT_FALSE(CreatePart(model, kind, x, y)); }

void SnapshotPlacement(ModelState& model) { model.PlacementTable = model.PartTable; }

// A small power disk with a red pen, turned after its placement was recorded.
std::unique_ptr<ModelState> DiskWithPen() {
  auto model = std::make_unique<ModelState>();
  Create(*model, DiskActive1, 100, 200);
  Drop(*model, PenRed, 100, 170);
  model->HasPowerPart = true;
  model->PowerPartIndex = 0;
  model->PlacementSpeedIndex = 3;
  model->PlacementAngleStep = 20;
  model->PlacementTrackPosition = 7200;
  SnapshotPlacement(*model);
  model->PartTable[0].Angle = 0.1 + 0.2;
  model->PartTable[0].Spare = -0.25;
  model->PartTable[0].Mobility = MobilityClass::Turning;
  model->PowerPosition = 3;
  model->TrackPosition = 3;
  return model;
}

// The sample linkage (pins of both kinds, pens, a power part), with numbers
// that need all their digits or the exponent form.
std::unique_ptr<ModelState> Linkage() {
  auto model = testing::LoadModel(MORVANE_SOURCE_DIR "/tests/data/model_file/linkage.mvd");
  model->PartTable[1].Angle = -33.690067525979785;
  model->PartTable[2].X = 1e-7;
  model->PartTable[2].Y = 2e15 / 3;
  return model;
}

TEST(ModelFile, SmallModelIsWrittenLineByLine) {
  const std::string expected =
      "------------------------------------\r\n"
      "Morvane Data File Version 1.0\r\n"
      "------------------------------------\r\n"
      "1\r\n101\r\nTrue\r\n0\r\n"
      "False\r\nTrue\r\nFalse\r\nFalse\r\n"
      "3\r\n3\r\n2\r\n40\r\n3\r\n20\r\n7200\r\n"
      // PartTable: kind, x, y, size, spare, angle, pins, pens, mobility,
      // selected, visible, settled, then the axle pin and the pen.
      "11\r\n100\r\n200\r\n80\r\n-0.25\r\n0.3\r\n1\r\n1\r\n1\r\nTrue\r\nTrue\r\n0\r\n"
      "1\r\n0\r\n0\r\n0\r\n"
      "102\r\n0\r\n-30\r\n"
      // PlacementTable.
      "11\r\n100\r\n200\r\n80\r\n0\r\n0\r\n1\r\n1\r\n0\r\nTrue\r\nTrue\r\n0\r\n"
      "1\r\n0\r\n0\r\n0\r\n"
      "102\r\n0\r\n-30\r\n";
  EXPECT_EQ(FormatModelText(*DiskWithPen()), expected);
}

TEST(ModelFile, EmptyModelIsEighteenLinesAndReadsBackEmpty) {
  const auto empty = std::make_unique<ModelState>();
  const std::string text = *FormatModelText(*empty);
  EXPECT_EQ(text,
            "------------------------------------\r\nMorvane Data File Version 1.0\r\n"
            "------------------------------------\r\n"
            "0\r\n101\r\nFalse\r\n-1\r\nFalse\r\nFalse\r\nFalse\r\nFalse\r\n0\r\n0\r\n2\r\n40\r\n2\r\n40\r\n0\r\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 18);

  auto model = Linkage();
  model->WorkTable = model->PartTable;
  ASSERT_EQ(ParseModelText(text, *model).Status, ReadStatus::Ok);
  EXPECT_EQ(FormatModelText(*model), text);
  EXPECT_EQ(model->PartTable, empty->PartTable) << "records beyond the count must be as in a fresh model";
  EXPECT_EQ(model->PlacementTable, empty->PlacementTable);
  EXPECT_EQ(model->WorkTable, empty->WorkTable);
  EXPECT_TRUE(model->TrackEventsEnabled);
}

TEST(ModelFile, RoundTripThroughFilesIsByteIdentical) {
  TempFolder folder;
  const fs::path path = folder / "model.mvd";
  for (const auto& original : {Linkage(), DiskWithPen()}) {
    ASSERT_FALSE(WriteModelFile(path.string(), *original));
    const std::string written = ReadWholeFile(path);
    EXPECT_EQ(written, FormatModelText(*original));

    auto read = std::make_unique<ModelState>();
    ASSERT_EQ(ReadModelFile(path.string(), *read).Status, ReadStatus::Ok);
    ASSERT_FALSE(WriteModelFile(path.string(), *read));
    EXPECT_EQ(ReadWholeFile(path), written);
    EXPECT_EQ(read->PartCount, original->PartCount);
    EXPECT_EQ(read->PlacementTable, original->PlacementTable);
  }
  EXPECT_EQ(folder.EntryCount(), 1u) << "no temporary may be left behind";
}

TEST(ModelFile, ReaderToleratesOtherLineEndsBooleanSpellingsAndDecoration) {
  const auto original = Linkage();
  const std::string text = *FormatModelText(*original);
  const auto replaceAll = [](const std::string& s, const char* from, const char* to) {
    return std::regex_replace(s, std::regex(from), to);
  };
  const std::string variants[] = {
      replaceAll(text, "\r\n", "\n"),
      replaceAll(text, "\r\n", "\r"),
      replaceAll(replaceAll(text, "True", "tRUE"), "False", "FALSE"),
      replaceAll(replaceAll(text, "True", "-2.5"), "False", "0"),
      "== decoration ==" + text.substr(text.find("\r\n")),
      text + "\r\n\n\r\n",
  };
  for (const std::string& variant : variants) {
    auto model = std::make_unique<ModelState>();
    ASSERT_EQ(ParseModelText(variant, *model).Status, ReadStatus::Ok) << variant.substr(0, 200);
    EXPECT_EQ(FormatModelText(*model), text);
  }

  // Nothing reads the power part index of a model without one, so it is kept.
  auto model = std::make_unique<ModelState>();
  std::string withoutPower = *FormatModelText(*model);
  withoutPower.replace(withoutPower.find("False\r\n-1\r\n"), 11, "False\r\n7\r\n");
  ASSERT_EQ(ParseModelText(withoutPower, *model).Status, ReadStatus::Ok);
  EXPECT_EQ(model->PowerPartIndex, 7);
  EXPECT_EQ(FormatModelText(*model), withoutPower);

  // The far end of the track bar is a position the program stores.
  model->PowerPosition = model->TrackPosition = model->PlacementTrackPosition = 7200;
  const std::string atTheEnd = *FormatModelText(*model);
  ASSERT_EQ(ParseModelText(atTheEnd, *model).Status, ReadStatus::Ok);
  EXPECT_EQ(FormatModelText(*model), atTheEnd);
}

TEST(ModelFile, UnreadableFileLeavesModelAlone) {
  TempFolder folder;
  auto model = Linkage();
  const std::string before = *FormatModelText(*model);
  for (const fs::path& path : {folder / "missing.mvd", folder / ""}) {
    const ReadResult result = ReadModelFile(path.string(), *model);
    EXPECT_EQ(result.Status, ReadStatus::Unreadable) << path;
    EXPECT_EQ(result.Error, model_texts::ReadFailed);
  }
  EXPECT_EQ(FormatModelText(*model), before);
}

TEST(ModelFile, FailedWriteKeepsWhatWasThereAndLeavesNoTemporary) {
  TempFolder folder;
  const auto model = Linkage();
  const fs::path old = folder / "old.mvd";
  WriteBytes(old, "old content");
  WriteBytes(folder / "plain", "x");
  // A folder as the target is the output file's own test.
  for (const fs::path& target : {folder / "plain" / "model.mvd", folder / "none" / "m.mvd"}) {
    EXPECT_EQ(WriteModelFile(target.string(), *model), model_texts::WriteFailed) << target;
  }
  {
    const FileSizeLimit limit(100);
    EXPECT_EQ(WriteModelFile(old.string(), *model), model_texts::WriteFailed);
  }
  EXPECT_EQ(ReadWholeFile(old), "old content");
  EXPECT_EQ(folder.EntryCount(), 2u) << "a temporary was left behind";
}

TEST(ModelFile, ProposedNamesAvoidExistingFilesAndChosenOnesGetTheExtension) {
  TempFolder folder;
  const auto exists = [](const std::string& path) { return fs::exists(path); };
  DocumentNames names{(folder / "").string(), ""};
  const std::string bare = names.LastModelFolder.substr(0, names.LastModelFolder.size() - 1);

  EXPECT_EQ(ProposeFileName(names, kModelExtension, Language::English, exists), "NewData");
  WriteBytes(folder / "NewData.mvd", "");
  EXPECT_EQ(ProposeFileName(names, kModelExtension, Language::English, exists), "NewData(1)");
  WriteBytes(folder / "NewData(1).mvd", "");
  EXPECT_EQ(ProposeFileName(names, kModelExtension, Language::English, exists), "NewData(2)");
  EXPECT_EQ(ProposeFileName({bare, ""}, kModelExtension, Language::English, exists), "NewData(2)");
  EXPECT_EQ(ProposeFileName(names, kModelExtension, Language::Japanese, exists), "新規");
  WriteBytes(folder / "新規.mvd", "");
  EXPECT_EQ(ProposeFileName(names, kModelExtension, Language::Japanese, exists), "新規(1)");

  names.LastModelName = "機構.MVD";
  EXPECT_EQ(ProposeFileName(names, kModelExtension, Language::English, exists), "機構");

  EXPECT_EQ(WithExtension("Model.MVD", kModelExtension), "Model.MVD");
  EXPECT_EQ(WithExtension("Model.txt", kModelExtension), "Model.txt.mvd");
  EXPECT_EQ(WithExtension("mvd", kModelExtension), "mvd.mvd");

  // The folder with its separator, and the name.
  const auto remembered = [](const std::string& chosen) {
    DocumentNames chosenNames;
    RememberFileName(chosenNames, chosen);
    return chosenNames.LastModelFolder + "|" + chosenNames.LastModelName;
  };
  EXPECT_EQ(remembered("/home/pupil/Models/Crank.mvd"), "/home/pupil/Models/|Crank.mvd");
  EXPECT_EQ(remembered("Crank.mvd"), "|Crank.mvd");
}

}  // namespace
}  // namespace morvane
