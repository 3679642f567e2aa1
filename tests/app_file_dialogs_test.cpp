// Every save dialog of the program through the real, non-native QFileDialog:
// the file type picked in its box and a bare name typed into its field, in
// both languages. Each file written is read back by ffprobe, an independent
// reader, and must stand under the typed name with its type's extension and
// no other; a file that exists is asked about under the name really written.

#include <QDir>
#include <QListWidget>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

#include "app/solver_log_window.h"
#include "tests/app_commands_support.h"
#include "tests/image_test_support.h"
#include "tests/test_support.h"

namespace morvane::testing {
namespace {

// A name typed with a file type chosen, what must be written and what
// ffprobe must read there (codec, width, height).
struct Saved {
  int Filter;
  const char* Typed;
  const char* Written;
  const char* Probed;
};

constexpr Saved kPictures[] = {
    {0, "pic0", "pic0.jpg", "mjpeg,1280,960"}, {1, "pic1", "pic1.bmp", "bmp,1280,960"},
    {2, "pic2", "pic2.gif", "gif,1280,960"},   {3, "pic3", "pic3.gif", "gif,120,90"},
    {4, "pic4", "pic4.svg", "svg,1280,960"},
};
constexpr Saved kSheets[] = {
    {0, "sheet0", "sheet0.jpg", "mjpeg,1620,700"},
    {1, "sheet1", "sheet1.bmp", "bmp,1620,700"},
    {2, "sheet2.bmp", "sheet2.bmp.gif", "gif,1620,700"},
};
// The MPEG-1 and AVI movies stop at the mechanism's lock, after 25 frames.
constexpr Saved kMovies[] = {
    {0, "mov0", "mov0.mpg", "mpeg1video,320,240"}, {1, "mov1", "mov1.mpg", "mpeg1video,640,480"},
    {2, "mov2", "mov2.avi", "rawvideo,320,240"},   {3, "mov3", "mov3.avi", "rawvideo,640,480"},
};
constexpr Saved kAnimations[] = {
    {4, "anim4", "anim4.gif", "gif,120,90"},
    {5, "anim5", "anim5.gif", "gif,320,240"},
};

class FileDialogsTest : public ::testing::TestWithParam<Language> {
 protected:
  FileDialogsTest() {
    run.Main().show();
    Load("crank-rocker.mvd");
  }
  void Load(const std::string& name, const std::string& from = kExamples) {
    run.Doc().MutableModel() = *LoadModel(from + name);
    run.program.View().Update();
    run.Doc().StartFolder(folder.Path.string());
  }
  std::string Path(const std::string& name) const { return (folder / name).string(); }
  std::set<std::string> Files() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path)) names.insert(entry.path().filename());
    return names;
  }
  void ExpectWritten(const Saved& saved, std::set<std::string>& expected) {
    EXPECT_EQ(Probe(Path(saved.Written), "codec_name,width,height"), saved.Probed) << saved.Written;
    expected.insert(saved.Written);
    EXPECT_EQ(Files(), expected) << "after " << saved.Typed;
  }

  TempFolder folder;
  RealProgram run{GetParam()};
};

TEST_P(FileDialogsTest, EveryFilterWritesItsTypeUnderTheTypedName) {
  std::set<std::string> expected;
  for (const Saved& saved : kPictures) {
    run.answers.Then(AcceptArea()).Then(ChooseFile(saved.Filter, saved.Typed));
    run.Press("btnImageSave");
    ExpectWritten(saved, expected);
  }
  for (const Saved& saved : kSheets) {
    run.answers.Then(AcceptArea(true)).Then(ChooseFile(saved.Filter, saved.Typed));
    run.Press("btnImageSave");
    ExpectWritten(saved, expected);
  }
  for (const Saved& saved : kAnimations) {
    run.answers.Then(AcceptArea()).Then(ChooseFile(saved.Filter, saved.Typed));
    run.Press("btnMakeMovie");
    ExpectWritten(saved, expected);
  }
  Load("locks-past-ninety.mvd", kLockingModels);
  for (const Saved& saved : kMovies) {
    run.answers.Then(AcceptArea()).Then(ChooseFile(saved.Filter, saved.Typed));
    run.answers.Then(Press(QMessageBox::Ok)).Then(Press(QMessageBox::Ok));
    run.Press("btnMakeMovie");
    ExpectWritten(saved, expected);
  }

  run.answers.Then(ChooseFile(0, "Model.txt"));
  run.Press("btnSave");
  EXPECT_EQ(ReadWholeFile(Path("Model.txt.mvd")), run.ModelText());
  expected.insert("Model.txt.mvd");

  run.Press("btnDebug");
  run.TrackBar().setValue(40);
  run.answers.Then(ChooseFile(0, "steps"));
  Control<QAbstractButton>(run.program.LogWindow(), "btnSave").click();
  const auto& lines = Control<QListWidget>(run.program.LogWindow(), "lstDebug1");
  ASSERT_GT(lines.count(), 2);
  EXPECT_EQ(ReadWholeFile(Path("steps.txt")).substr(0, 2 + lines.item(0)->text().toStdString().size()),
            lines.item(0)->text().toStdString() + "\n" + lines.item(1)->text().toStdString().substr(0, 1));
  expected.insert("steps.txt");
  EXPECT_EQ(Files(), expected);
  EXPECT_EQ(run.Doc().Names().LastModelName, "steps.txt");
}

// The question names the file that would be replaced; No goes back to the
// dialog. The stock texts of the dialogs are in the program's language.
TEST_P(FileDialogsTest, AnExistingFileIsAskedAboutUnderTheNameReallyWritten) {
  const bool japanese = GetParam() == Language::Japanese;
  WriteBytes(folder / "anim.gif", "old");
  WriteBytes(folder / "Model.mvd", "old");
  QStringList dialog, asked;
  run.answers.Then(AcceptArea()).Then(ChooseFile(4, "anim", &dialog)).Then(Press(QMessageBox::No, &asked));
  run.answers.Then(ChooseFile(4, "anim")).Then(Press(QMessageBox::Yes));
  run.Press("btnMakeMovie");
  EXPECT_EQ(Probe(Path("anim.gif"), "codec_name,width,height"), "gif,120,90");
  run.answers.Then(ChooseFile(0, "Model")).Then(Press(QMessageBox::No)).Then(CancelDialog());
  run.Press("btnSave");
  EXPECT_EQ(ReadWholeFile(Path("Model.mvd")), "old");

  const QString question = japanese ? "anim.gif は既に存在します。\n置き換えますか？"
                                    : "anim.gif already exists.\nDo you want to replace it?";
  EXPECT_EQ(asked, japanese ? QStringList({question, "はい(&Y)", "いいえ(&N)"})
                            : QStringList({question, "&Yes", "&No"}));
  ASSERT_EQ(dialog.size(), 14);
  EXPECT_EQ(dialog.mid(9), japanese ? QStringList({"アドレス:", "ファイル名(&N):", "ファイルの種類:", "保存(&S)", "キャンセル"})
                                     : QStringList({"Look in:", "File &name:", "Files of type:", "&Save", "Cancel"}));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, FileDialogsTest, ::testing::Values(Language::English, Language::Japanese),
                         [](const auto& info) { return info.param == Language::Japanese ? "Japanese" : "English"; });

// Without a documents folder, as on a fresh account, the dialogs start in
// the home folder, not wherever the program was started.
TEST(FirstFolderTest, HomeWhenThereIsNoDocumentsFolder) {
  TempFolder home, elsewhere;
  const QByteArray savedHome = qgetenv("HOME"), savedConfig = qgetenv("XDG_CONFIG_HOME");
  const QString savedFolder = QDir::currentPath();
  qputenv("HOME", home.Path.string().c_str());
  qunsetenv("XDG_CONFIG_HOME");
  QDir::setCurrent(QString::fromStdString(elsewhere.Path.string()));
  QStringList seen;
  for (const bool withDocuments : {false, true}) {
    if (withDocuments) std::filesystem::create_directory(home / "Documents");
    RealProgram run;
    run.answers.Then(ChooseFile(0, "m", &seen));
    run.Press("btnSave");
  }
  qputenv("HOME", savedHome);
  if (!savedConfig.isEmpty()) qputenv("XDG_CONFIG_HOME", savedConfig);
  QDir::setCurrent(savedFolder);
  ASSERT_EQ(seen.size(), 18);
  EXPECT_EQ(std::pair(seen[0], seen[9]), std::pair(QString::fromStdString(home.Path.string()),
                                                    QString::fromStdString((home / "Documents").string())));
  EXPECT_TRUE(std::filesystem::exists(home / "m.mvd") && std::filesystem::exists(home / "Documents" / "m.mvd"));
}

}  // namespace
}  // namespace morvane::testing
