#include "model/output_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <string>
#include <thread>

#include "model/file_io.h"
#include "model/temporary_files.h"
#include "tests/test_support.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;
using namespace testing;

mode_t ModeOf(const fs::path& path) {
  struct stat info {};
  lstat(path.c_str(), &info);
  return info.st_mode;
}

// A link is followed to the file it names: the link stays a link and the file
// gets the content. Writing replaces a file only through a temporary, keeping
// its permissions; a name that nearly fills the file system's limit works.
TEST(OutputFile, FollowsLinksKeepsPermissionsAndTakesLongNames) {
  TempFolder folder;
  WriteBytes(folder / "target", "old");
  chmod((folder / "target").c_str(), 0640);
  fs::create_symlink("target", folder / "link");
  ASSERT_TRUE(WriteWholeFile((folder / "link").string(), "new"));
  EXPECT_TRUE(S_ISLNK(ModeOf(folder / "link")));
  EXPECT_EQ(ReadWholeFile(folder / "target"), "new");
  EXPECT_EQ(ModeOf(folder / "target") & 07777, 0640u);

  const fs::path longName = folder / std::string(250, 'n');
  ASSERT_TRUE(WriteWholeFile(longName.string(), "long"));
  EXPECT_EQ(ReadWholeFile(longName), "long");
  EXPECT_EQ(folder.EntryCount(), 3u);
}

// A file without write permission stays as it is, for root as well; so does
// an existing file when the disk fills up part-way, and no temporary is left.
TEST(OutputFile, RefusalsAndFailuresLeaveTheOldFileIntact) {
  TempFolder folder;
  WriteBytes(folder / "protected", "keep");
  chmod((folder / "protected").c_str(), 0444);
  EXPECT_FALSE(WriteWholeFile((folder / "protected").string(), "lost"));
  EXPECT_EQ(ReadWholeFile(folder / "protected"), "keep");

  WriteBytes(folder / "old", "old content");
  {
    const FileSizeLimit limit(4096);
    const std::unique_ptr<OutputFile> file = OutputFile::Open((folder / "old").string());
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->Write(std::string(4000, 'a')));
    EXPECT_FALSE(file->Write(std::string(4000, 'b')));
    EXPECT_FALSE(file->Write("c")) << "a failed file stays failed";
    EXPECT_FALSE(file->Commit());
  }
  EXPECT_EQ(ReadWholeFile(folder / "old"), "old content");
  EXPECT_FALSE(WriteWholeFile((folder / "missing" / "file").string(), "x"));
  EXPECT_FALSE(WriteWholeFile(folder.Path.string(), "x")) << "a folder is no file";
  EXPECT_EQ(folder.EntryCount(), 2u) << "a temporary was left behind";
}

// Devices and pipes are written where they are and never replaced by a file.
// A pipe that no program reads is refused at once, so that no window freezes
// on it, or waited for when the program asks for that, as shell tools do.
TEST(OutputFile, DevicesAndPipesAreWrittenInPlace) {
  ASSERT_TRUE(WriteWholeFile("/dev/null", "nothing"));
  EXPECT_TRUE(S_ISCHR(ModeOf("/dev/null")));
  EXPECT_FALSE(WriteWholeFile("/dev/full", "full")) << "a device's write error is reported";

  TempFolder folder;
  const fs::path pipe = folder / "pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  std::future<bool> refused = std::async(std::launch::async, [&] { return !OutputFile::Open(pipe.string()); });
  if (refused.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
    ADD_FAILURE() << "opening a pipe without a reader waits";
    close(open(pipe.c_str(), O_RDONLY | O_NONBLOCK));
  }
  EXPECT_TRUE(refused.get());

  const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
  const std::unique_ptr<OutputFile> file = OutputFile::Open(pipe.string());
  ASSERT_TRUE(file);
  EXPECT_TRUE(file->Write("through the pipe"));
  EXPECT_FALSE(file->WriteAt(0, "T", 1)) << "a pipe cannot go back";
  EXPECT_FALSE(file->Commit()) << "the failed WriteAt is reported at the end";
  char received[32] = {};
  EXPECT_EQ(read(reader, received, sizeof received), 16);
  EXPECT_STREQ(received, "through the pipe");
  close(reader);
  EXPECT_TRUE(S_ISFIFO(ModeOf(pipe)));

  SetPipeWithoutReader(PipeWithoutReader::Wait);
  std::future<std::string> late = std::async(std::launch::async, [&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    return ReadWholeFile(pipe);
  });
  EXPECT_TRUE(WriteWholeFile(pipe.string(), "to a late reader"));
  SetPipeWithoutReader(PipeWithoutReader::Refuse);
  EXPECT_EQ(late.get(), "to a late reader");
}

// What a signal handler or a program closed in the middle of a write calls:
// every temporary being written goes, and its commit then fails rather than
// claiming a file.
TEST(OutputFile, TemporariesBeingWrittenAreRemovedAtOnce) {
  TempFolder folder;
  WriteBytes(folder / "old", "old");
  const std::unique_ptr<OutputFile> file = OutputFile::Open((folder / "old").string());
  ASSERT_TRUE(file && file->Write("new"));
  EXPECT_EQ(folder.EntryCount(), 2u);
  RemoveTemporaries();
  EXPECT_EQ(folder.EntryCount(), 1u);
  EXPECT_FALSE(file->Commit());
  EXPECT_EQ(ReadWholeFile(folder / "old"), "old");
}

// Headers known only at the end are patched within what was written.
TEST(OutputFile, WriteAtPatchesWhatWasWritten) {
  TempFolder folder;
  const std::unique_ptr<OutputFile> file = OutputFile::Open((folder / "patched").string());
  ASSERT_TRUE(file);
  ASSERT_TRUE(file->Write("size=????;body"));
  EXPECT_EQ(file->Size(), 14u);
  EXPECT_TRUE(file->WriteAt(5, "0014", 4));
  EXPECT_TRUE(file->Commit());
  EXPECT_EQ(ReadWholeFile(folder / "patched"), "size=0014;body");

  const std::unique_ptr<OutputFile> beyond = OutputFile::Open((folder / "beyond").string());
  ASSERT_TRUE(beyond && beyond->Write("ab"));
  EXPECT_FALSE(beyond->WriteAt(1, "xy", 2));
  EXPECT_FALSE(beyond->Commit());
  EXPECT_FALSE(fs::exists(folder / "beyond"));
}

// Reading takes regular files of a bounded size only: a device would never end.
TEST(OutputFile, ReadingRefusesDevicesPipesAndHugeFiles) {
  EXPECT_FALSE(morvane::ReadWholeFile("/dev/zero", 1000));
  TempFolder folder;
  WriteBytes(folder / "small", std::string(1000, 's'));
  EXPECT_EQ(morvane::ReadWholeFile((folder / "small").string(), 1000), std::string(1000, 's'));
  EXPECT_FALSE(morvane::ReadWholeFile((folder / "small").string(), 999));
  ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
  EXPECT_FALSE(morvane::ReadWholeFile((folder / "pipe").string(), 1000));
}

}  // namespace
}  // namespace morvane
