// morvane-cli export, series, print and render's picture files through the
// built binary: sizes as ffprobe, Qt and pdfinfo read them, and the exit
// statuses of a refused series and of files that cannot be written.

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "tests/export_test_support.h"
#include "tests/image_test_support.h"

namespace morvane::testing {
namespace {

const std::string kFree = kExamples + "crank-rocker.mvd ";
const std::string kLocking = kExamples + "locks-past-ninety.mvd ";

TEST(ExportCli, PicturesSheetsAndPrints) {
  TempFolder folder;
  const auto out = [&](const std::string& name) { return (folder / name).string(); };
  const std::tuple<std::string, std::string, std::string> pictures[] = {
      {"export " + kFree, "a.jpg", "1280,960"},
      {"export " + kFree + "--size 120x90 --position 900", "b.gif", "120,90"},
      {"export " + kFree + "--area 100,100,400,300", "c.BMP", "400,300"},
      {"series " + kFree + "--area 0,0,640,480", "d.gif", "1620,700"},
      {"render " + kFree + "--size 320x240", "e.jpg", "320,240"}};
  for (const auto& [arguments, name, size] : pictures) {
    const CliRun run = RunCli(arguments + " -o " + out(name));
    ASSERT_EQ(run.ExitCode, 0) << arguments << run.Err;
    EXPECT_EQ(Probe(out(name), "width,height"), size) << arguments;
  }
  EXPECT_NE(SlurpGif(out("d.gif")), nullptr);
  EXPECT_EQ(QImage(QString::fromStdString(out("c.BMP"))).size(), QSize(400, 300));

  ASSERT_EQ(RunCli("print " + kFree + "-o " + out("one.pdf")).ExitCode, 0);
  ASSERT_EQ(RunCli("--lang ja print " + kFree + "--series -o " + out("series.pdf")).ExitCode, 0);
  const PdfPage one = ReadPdfPage(out("one.pdf")), series = ReadPdfPage(out("series.pdf"));
  EXPECT_EQ(one.Pages, 1);
  EXPECT_EQ(one.Points, QSizeF(842, 595)) << "A4 landscape";
  EXPECT_EQ(series.Pages, 1);
  EXPECT_EQ(series.Points, QSizeF(595, 842)) << "A4 portrait";
}

TEST(ExportCli, RefusalsAndFilesThatCannotBeWritten) {
  TempFolder folder;
  const std::string sheet = (folder / "sheet.jpg").string();
  const CliRun stopped = RunCli("series " + kLocking + "-o " + sheet);
  EXPECT_EQ(stopped.ExitCode, 3);
  EXPECT_NE(stopped.Err.find("Since the length of a rod does not suit, it cannot move.\n"
                             "Creation of a continuation image is stopped."),
            std::string::npos)
      << stopped.Err;
  EXPECT_NE(stopped.Err.find("[  29 percent done ]"), std::string::npos);
  const CliRun japanese = RunCli("--lang ja print " + kLocking + "--series -o " + (folder / "p.pdf").string());
  EXPECT_EQ(japanese.ExitCode, 3);
  EXPECT_NE(japanese.Err.find("連続イメージの印刷を中止します。"), std::string::npos) << japanese.Err;
  EXPECT_EQ(ReadPdfPage((folder / "p.pdf").string()).Pages, 1) << "the pictures so far are printed";
  EXPECT_FALSE(std::filesystem::exists(sheet));

  WriteBytes(sheet, "older");
  const CliRun limited = RunCli("series " + kFree + "-o " + sheet, "ulimit -f 8;");
  EXPECT_EQ(limited.ExitCode, 73);
  EXPECT_NE(limited.Err.find(sheet + ": The writing of a file went wrong."), std::string::npos) << limited.Err;
  EXPECT_EQ(ReadWholeFile(sheet), "older");
  EXPECT_EQ(RunCli("export " + kFree + "-o " + (folder / "no/a.gif").string()).ExitCode, 73);
  EXPECT_EQ(RunCli("print " + kFree + "-o " + (folder / "no/a.pdf").string()).ExitCode, 73);

  for (const std::string& wrong : {"export " + kFree + "-o a.png", "export " + kFree + "-o a.jpg --size 100x100",
                                   "series " + kFree + "-o a.jpg --position 10", "print " + kFree + "-o a.jpg"}) {
    const CliRun run = RunCli(wrong);
    EXPECT_EQ(run.ExitCode, 64) << wrong;
    EXPECT_NE(run.Err.find("usage: morvane-cli"), std::string::npos) << wrong;
  }
  EXPECT_EQ(folder.EntryCount(), 2u);
}

}  // namespace
}  // namespace morvane::testing
