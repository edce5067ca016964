// The keep-awake cycle under Wine: ticks posted to the keep-awake timer's window make
// and remove the probe on the disk mapped as E:, flushed to the file system, and do
// nothing while the disk is detached. The folder is watched from the Unix side.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/driver/keep_awake_fixture.h"
#include "tests/e2e/driver/options.h"
#include "tests/e2e/driver/unix_watch.h"

namespace {

using KeepAwake = KeepAwakeTest;
using Lines = std::vector<std::string>;

int CountContaining(const Lines& lines, const std::string& part) {
  return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
    return l.find(part) != std::string::npos;
  }));
}

// The probe's own events, in order, from the folder's inotify lines.
Lines ProbeEvents(const Lines& lines) {
  Lines events;
  for (const std::string& line : lines) {
    if (line == "CREATE temp.tmp" || line == "DELETE temp.tmp") events.push_back(line);
  }
  return events;
}

TEST_F(KeepAwake, TickMakesFlushesAndRemovesTheProbeInTheStoredFolder) {
  MakeDiskFolder("backup");
  FolderWatch watch(disk_->UnixFolder() + "/backup");
  ASSERT_TRUE(watch.ready());

  HWND main = StartOn("E:\\backup");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitForOn(main, true));
  FlushTrace flushes(UnixPidOfProgram(exe_));
  ASSERT_TRUE(flushes.ready()) << "strace could not attach to the program";

  Sleep(500);
  EXPECT_EQ(ProbeEvents(watch.Lines()), Lines{}) << "a probe was made at the start";
  // The path box is not what the cycle uses; the stored path is.
  TypePath(main, "C:\\");

  Tick(main);
  ASSERT_TRUE(WaitUntil([&] { return ProbeEvents(watch.Lines()).size() >= 2; }, 5000));
  EXPECT_EQ(ProbeEvents(watch.Lines()), (Lines{"CREATE temp.tmp", "DELETE temp.tmp"}));
  EXPECT_FALSE(FileExists(DiskPath("backup\\temp.tmp")));
  EXPECT_FALSE(FileExists("C:\\temp.tmp"));
  const Lines calls = flushes.Lines();
  EXPECT_EQ(CountContaining(calls, "/backup/temp.tmp>)"), 1) << "no single flush of the probe";

  Tick(main, 3);
  EXPECT_TRUE(WaitUntil([&] { return ProbeEvents(watch.Lines()).size() >= 8; }, 5000));
  EXPECT_EQ(ProbeEvents(watch.Lines()).size(), 8u);
  EXPECT_EQ(FindTopWindow(program_.id(), "#32770"), nullptr) << "a tick showed a box";
  EXPECT_TRUE(IsOn(main));
}

TEST_F(KeepAwake, DetachedDiskMakesTicksSilentAndReattachedDiskWorksAgain) {
  FolderWatch watch(disk_->UnixFolder());
  ASSERT_TRUE(watch.ready());
  HWND main = StartOn("E:\\");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitForOn(main, true)) << "the drive root was refused";

  disk_->Detach();
  Tick(main, 3);
  Sleep(300);
  EXPECT_EQ(ProbeEvents(watch.Lines()), Lines{});
  EXPECT_EQ(FindTopWindow(program_.id(), "#32770"), nullptr) << "a tick showed a box";
  EXPECT_TRUE(program_.IsRunning());
  EXPECT_TRUE(IsOn(main));

  disk_->Attach();
  Tick(main);
  EXPECT_TRUE(WaitUntil([&] { return ProbeEvents(watch.Lines()).size() >= 2; }, 5000));
  EXPECT_EQ(ProbeEvents(watch.Lines()), (Lines{"CREATE temp.tmp", "DELETE temp.tmp"}));
  EXPECT_FALSE(FileExists(DiskPath("temp.tmp")));
}

TEST_F(KeepAwake, AUsersOwnTempTmpIsNeverTouched) {
  MakeDiskFolder("backup");
  const std::string probe = DiskPath("backup\\temp.tmp");
  const Bytes users = "the user's own notes\r\n";
  ASSERT_TRUE(WriteBytes(probe, users));
  HWND main = StartOn("E:\\backup\\");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitForOn(main, true));

  Tick(main, 3);
  Bytes after;
  ASSERT_TRUE(ReadBytes(probe, after)) << "the user's temp.tmp is gone";
  EXPECT_EQ(after, users);

  // An empty one, as an interrupted tick leaves behind, is taken over and removed.
  ASSERT_TRUE(WriteBytes(probe, ""));
  Tick(main);
  EXPECT_FALSE(FileExists(probe));
}

// A lookup on a drive whose disk is gone must not raise the system's own error box:
// the host turns those off at start-up, before any settings are read. The host test
// program runs the same start-up and logs the mode from its created event.
TEST(NoSystemErrorBoxes, ErrorModeIsSetBeforeTheSettingsAreRead) {
  const std::string folder = FreshCaseFolder(CurrentCaseName());
  const std::string exe = CopyInto(Options().hostProbe, folder);
  RunningProgram probe = RunningProgram::Start(exe, "error-mode");
  ASSERT_TRUE(probe.started());
  Bytes log;
  EXPECT_TRUE(WaitUntil([&] {
    return ReadBytes(folder + "\\events.log", log) && log.find("error-mode=") != Bytes::npos;
  }));
  // SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX
  EXPECT_NE(log.find("error-mode=0x8001"), Bytes::npos) << log;
}

}  // namespace
