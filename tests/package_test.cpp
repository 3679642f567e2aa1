// What a user installs: `cmake --install` of this build into a folder of its
// own, its manual pages as `man -l` shows them, and the Debian package that
// cpack makes of the same files, read with dpkg-deb and judged by lintian.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>

#include "tests/test_support.h"

namespace morvane::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

// Every file below the folder, by its path from there.
std::set<std::string> FilesBelow(const fs::path& root) {
  std::set<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_directory()) {
      files.insert(fs::relative(entry.path(), root).string());
    }
  }
  return files;
}

std::set<std::string> SourceExamples() {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(kExamples)) {
    if (entry.path().extension() == ".mvd") {
      names.insert(entry.path().filename().string());
    }
  }
  return names;
}

// The page as man shows it on a wide terminal, with groff's warnings.
std::string ManualPage(const fs::path& page) {
  return CommandOutput("MANWIDTH=200 man --warnings -l -P cat " + page.string() + " 2>&1");
}

class Installed : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_EQ(std::system(("cmake --install " + std::string(MORVANE_BUILD_DIR) + " --prefix " +
                           folder_->Path.string() + " >/dev/null")
                              .c_str()),
              0);
  }
  static void TearDownTestSuite() { folder_.reset(); }
  static fs::path Path(const std::string& below) { return folder_->Path / below; }

  static inline std::unique_ptr<TempFolder> folder_ = std::make_unique<TempFolder>();
};

TEST_F(Installed, BothProgramsTheExamplesTheManualPagesAndTheLicence) {
  std::set<std::string> expected = {"bin/morvane", "bin/morvane-cli", "share/applications/morvane.desktop",
                                    "share/doc/morvane/changelog.gz", "share/doc/morvane/copyright",
                                    "share/icons/hicolor/scalable/apps/morvane.svg", "share/man/man1/morvane.1.gz",
                                    "share/man/man1/morvane-cli.1.gz", "share/metainfo/morvane.metainfo.xml",
                                    "share/mime/packages/morvane-model.xml"};
  for (const std::string& example : SourceExamples()) {
    expected.insert("share/morvane/examples/" + example);
    EXPECT_EQ(ReadWholeFile(Path("share/morvane/examples/" + example)), ReadWholeFile(kExamples + example));
  }
  EXPECT_EQ(FilesBelow(Path("")), expected);
  EXPECT_EQ(CommandOutput(Path("bin/morvane-cli").string() + " --version"), "morvane-cli " MORVANE_VERSION "\n");
  // The licence named alike in the source, the package and the description.
  EXPECT_THAT(ReadWholeFile(std::string(MORVANE_SOURCE_DIR) + "/LICENSE"),
              HasSubstr("GNU GENERAL PUBLIC LICENSE\n                       Version 3, 29 June 2007"));
  EXPECT_THAT(ReadWholeFile(Path("share/doc/morvane/copyright").string()), HasSubstr("\nLicense: GPL-3+\n"));
  EXPECT_THAT(ReadWholeFile(Path("share/metainfo/morvane.metainfo.xml").string()),
              HasSubstr("<project_license>GPL-3.0-or-later</project_license>"));
}

// Each page shows without a warning. The tool's page has every command with
// the usage line of its --help, every exit status and the language option;
// the window's page the language rule.
TEST_F(Installed, ManualPagesShowWhatTheProgramsDo) {
  const std::string cli = ManualPage(Path("share/man/man1/morvane-cli.1.gz"));
  const std::string window = ManualPage(Path("share/man/man1/morvane.1.gz"));
  EXPECT_THAT(cli, HasSubstr("MORVANE-CLI(1)"));
  EXPECT_EQ(cli.find("warning"), std::string::npos) << cli.substr(0, cli.find('\n'));
  EXPECT_EQ(window.find("warning"), std::string::npos) << window.substr(0, window.find('\n'));
  const std::string help = CommandOutput(Path("bin/morvane-cli").string() + " --help 2>/dev/null");
  const std::regex usage("\n  ([a-z]+ MODEL\\.mvd[^\n]*)");
  int commands = 0;
  for (std::sregex_iterator it(help.begin(), help.end(), usage), end; it != end; ++it, ++commands) {
    EXPECT_NE(cli.find("\n       " + (*it)[1].str() + "\n"), std::string::npos) << "no entry: " << (*it)[1];
  }
  EXPECT_GE(commands, 9);
  const std::regex status("(\\d+) [a-z]");
  const std::string statuses = help.substr(help.find("exit status:"));
  for (std::sregex_iterator it(statuses.begin(), statuses.end(), status), end; it != end; ++it) {
    EXPECT_TRUE(std::regex_search(cli, std::regex("\n       " + (*it)[1].str() + " +[A-Z]"))) << "exit " << (*it)[1];
  }
  EXPECT_NE(cli.find("\n       --lang ja|en\n"), std::string::npos);
  for (const char* word : {"LC_ALL", "LC_MESSAGES", "LANG", "morvanee", "/usr/share/morvane/examples/"}) {
    EXPECT_NE(window.find(word), std::string::npos) << word;
  }
}

// The package holds the installed files under /usr, depends on the libraries
// the programs link (Qt SVG among them) and on what they load, and lintian
// finds no error in it.
TEST_F(Installed, DebianPackageHoldsTheSameFiles) {
  const TempFolder work;
  ASSERT_EQ(std::system(("cpack -G DEB --config " + std::string(MORVANE_BUILD_DIR) + "/CPackConfig.cmake -B " +
                         work.Path.string() + " >/dev/null")
                            .c_str()),
            0);
  const fs::path deb = work / ("morvane_" MORVANE_VERSION "_amd64.deb");
  ASSERT_TRUE(fs::exists(deb));
  const TempFolder unpacked;
  ASSERT_EQ(std::system(("dpkg-deb -x " + deb.string() + " " + unpacked.Path.string()).c_str()), 0);
  EXPECT_EQ(FilesBelow(unpacked / "usr"), FilesBelow(Path("")));
  const std::string depends = CommandOutput("dpkg-deb -f " + deb.string() + " Depends");
  for (const char* package : {"libqt6svg6", "libqt6widgets6", "qt6-qpa-plugins", "fonts-ipafont-gothic"}) {
    EXPECT_THAT(depends, HasSubstr(package));
  }
  const fs::path report = work / "lintian";
  EXPECT_EQ(std::system(("lintian --tag-display-limit 0 " + deb.string() + " >" + report.string() + " 2>&1").c_str()),
            0)
      << ReadWholeFile(report.string());
}

}  // namespace
}  // namespace morvane::testing
