// The desktop files as a desktop reads them: the file-type database built
// from our package file knows a model by its name and, whatever its name, by
// its first lines; the desktop entry and the software-centre description name
// the same type.

#include <QMimeDatabase>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <tuple>

#include "tests/test_support.h"

namespace morvane {
namespace {

const std::string kDesktopFolder = std::string(MORVANE_SOURCE_DIR) + "/app/desktop/";
constexpr char kModelType[] = "application/x-morvane-model";

TEST(DesktopFilesTest, ModelsAreKnownByNameAndByContent) {
  const testing::TempFolder temp;
  const std::string folder = temp.Path.string() + "/";
  std::filesystem::create_directories(folder + "mime/packages");
  std::filesystem::copy_file(kDesktopFolder + "morvane-model.xml", folder + "mime/packages/morvane-model.xml");
  ASSERT_EQ(std::system(("update-mime-database " + folder + "mime >/dev/null 2>&1").c_str()), 0);
  // Before the first use of the database in this process.
  setenv("XDG_DATA_HOME", folder.c_str(), 1);
  setenv("XDG_DATA_DIRS", (folder + ":/usr/share").c_str(), 1);

  const std::string model = testing::ReadWholeFile(testing::kExamples + "crank-rocker.mvd");
  const std::string hyphens(36, '-');
  // A file of each name and content, and whether it is known as a model.
  const std::tuple<const char*, std::string, bool> files[] = {
      {"saved-with-crlf", model, true},
      {"saved-with-lf", std::regex_replace(model, std::regex("\r\n"), "\n"), true},
      {"Empty.mvd", "", true},
      {"header-first", "Morvane Data File Version 1.0\r\n" + hyphens + "\r\n", false},
      {"other-version", hyphens + "\r\nMorvane Data File Version 2.0\r\n", false}};
  const QMimeDatabase database;
  for (const auto& [name, content, known] : files) {
    testing::WriteBytes(folder + name, content);
    const QString type = database.mimeTypeForFile(QString::fromStdString(folder + name)).name();
    EXPECT_EQ(type == kModelType, known) << name << " is " << type.toStdString();
  }

  const std::string desktopEntry = testing::ReadWholeFile(kDesktopFolder + "morvane.desktop");
  EXPECT_NE(desktopEntry.find(std::string("\nMimeType=") + kModelType + ";\n"), std::string::npos);
  EXPECT_NE(desktopEntry.find("\nExec=morvane %f\n"), std::string::npos);
  const std::string metainfo = testing::ReadWholeFile(kDesktopFolder + "morvane.metainfo.xml");
  EXPECT_NE(metainfo.find(std::string("<mediatype>") + kModelType + "</mediatype>"), std::string::npos);
  // As software centres check it: warnings at most (the id is the plain
  // name of the program and its desktop entry, not a reversed domain name).
  const std::string report =
      testing::CommandOutput("appstreamcli validate --no-net --no-color " + kDesktopFolder + "morvane.metainfo.xml");
  EXPECT_TRUE(std::regex_search(report, std::regex("Validation (was successful|failed: warnings: \\d+\n)")))
      << report;
}

}  // namespace
}  // namespace morvane
