// Switching keep-awake on and off from the main window, the settings it stores, the
// refusals, and the resume at start-up, on a disk mapped as drive E:.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/e2e/driver/keep_awake_fixture.h"

namespace {

using StartStop = KeepAwakeTest;

const char kTitle[] = "澄岳移动硬盘反休眠";

std::string FolderMissing(const std::string& path) {
  return "文件夹【" + path + "】不存在！请重新选择";
}

// The box is the program's error box with exactly this text; it is then closed.
void ExpectErrorBoxAndClose(HWND box, const std::string& text) {
  ASSERT_NE(box, nullptr) << "no message box for: " << text;
  EXPECT_EQ(TextOf(box), kTitle);
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
  bool icon = false;
  for (HWND child : ChildWindows(box)) {
    if (ClassNameOf(child) == "Static" && (StyleOf(child) & SS_TYPEMASK) == SS_ICON) {
      icon = SendMessageA(child, STM_GETICON, 0, 0) != 0;
    }
  }
  EXPECT_TRUE(icon) << "the box shows no icon";
  const std::vector<std::string> texts = StaticTextsOf(box);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back(), text);
  PressDialogButton(box, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
}

// Makes the settings file unwritable for the length of a scope; as root only the
// immutable flag keeps a write out.
class ImmutableFile {
 public:
  explicit ImmutableFile(const std::string& unixPath) : path_(unixPath) {
    applied_ = RunUnixCommand("chattr +i '" + path_ + "'");
  }
  ~ImmutableFile() { RunUnixCommand("chattr -i '" + path_ + "'"); }
  bool applied() const { return applied_; }

 private:
  std::string path_;
  bool applied_;
};

TEST_F(StartStop, WithoutSettingsTheBoxIsEmptyAndAnEmptyStartIsRefused) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(TextOf(Child(main, kPathBox)), "");
  EXPECT_FALSE(IsOn(main));
  EXPECT_FALSE(IsWindowEnabled(Child(main, kStop)));

  Click(main, kStart);
  ExpectErrorBoxAndClose(WaitForDialog(), "文件夹【】不存在！请重新选择");
  EXPECT_FALSE(IsOn(main));
  EXPECT_FALSE(FileExists(SettingsPath())) << "a refused start wrote the settings";
}

// Typed paths as the user left them, stored byte for byte and shown again at the next
// start-up; a stop keeps the path and writes "run" = "false".
TEST_F(StartStop, StartStoresThePathByteForByteAndStopKeepsIt) {
  struct Case {
    const char* folder;  // created on the disk; null: the root
    const char* typed;
  };
  const Case cases[] = {
      {"backup", "E:\\backup"},
      {"My 移动 硬盘", "E:\\My 移动 硬盘\\"},
      {"資料運", "E:\\資料運"},  // 運 ends in the byte 5C
      {"資料運", "E:\\資料運\\"},
      {nullptr, "E:\\"},
      {nullptr, "E:"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    if (c.folder && !FolderExists(DiskPath(c.folder))) MakeDiskFolder(c.folder);
    DeleteFileA(SettingsPath().c_str());

    HWND main = StartOn(c.typed);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitForOn(main, true)) << "the start was refused";
    EXPECT_EQ(StoredValue("path"), c.typed);
    EXPECT_EQ(StoredValue("run"), "true");

    Click(main, kStop);
    ASSERT_TRUE(WaitForOn(main, false));
    EXPECT_EQ(StoredValue("run"), "false");
    EXPECT_EQ(StoredValue("path"), c.typed);
    EXPECT_EQ(CloseAndWaitForExit(main), 0u);

    main = Start();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(TextOf(Child(main, kPathBox)), c.typed);
    EXPECT_FALSE(IsOn(main));
    EXPECT_EQ(CloseAndWaitForExit(main), 0u);
  }
}

TEST_F(StartStop, PathsThatNameNoUsableFolderAreRefused) {
  MakeDiskFolder("backup");
  ASSERT_TRUE(WriteBytes(DiskPath("notes.txt"), "a file, not a folder"));
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  for (const char* path : {"E:\\gone", "E:\\gone\\", "E:\\notes.txt", "E:\\ba*", "E:\\backu?\\"}) {
    SCOPED_TRACE(path);
    TypePath(main, path);
    Click(main, kStart);
    ExpectErrorBoxAndClose(WaitForDialog(), FolderMissing(path));
    EXPECT_FALSE(IsOn(main));
  }
  disk_->Detach();
  for (const char* path : {"E:\\", "E:\\backup"}) {
    SCOPED_TRACE(std::string("detached ") + path);
    TypePath(main, path);
    Click(main, kStart);
    ExpectErrorBoxAndClose(WaitForDialog(), FolderMissing(path));
    EXPECT_FALSE(IsOn(main));
  }
  EXPECT_FALSE(FileExists(SettingsPath())) << "a refused start wrote the settings";
}

TEST_F(StartStop, SettingsThatCannotBeSavedRefuseTheStart) {
  MakeDiskFolder("backup");
  const Bytes before = "[disk]\r\npath=E:\\old\r\nrun=false\r\n";
  const std::string message = "无法保存设置文件【" + SettingsPath() +
                              "】，反休眠未开启。请检查该文件及其所在文件夹是否只读或被其他程序占用";
  for (const char* how : {"read-only", "locked"}) {
    SCOPED_TRACE(how);
    WriteSettings(before);
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(TextOf(Child(main, kPathBox)), "E:\\old");
    TypePath(main, "E:\\backup");
    {
      std::unique_ptr<ImmutableFile> readOnly;
      HANDLE lock = INVALID_HANDLE_VALUE;
      if (std::string(how) == "read-only") {
        readOnly = std::make_unique<ImmutableFile>(UnixSettingsPath());
        ASSERT_TRUE(readOnly->applied());
      } else {
        lock = CreateFileA(SettingsPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(lock, INVALID_HANDLE_VALUE);
      }
      Click(main, kStart);
      ExpectErrorBoxAndClose(WaitForDialog(), message);
      if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
    }
    EXPECT_FALSE(IsOn(main));
    EXPECT_FALSE(IsWindowEnabled(Child(main, kStop)));
    Bytes after;
    ReadBytes(SettingsPath(), after);
    EXPECT_EQ(after, before);
    EXPECT_EQ(CloseAndWaitForExit(main), 0u);
  }
}

TEST_F(StartStop, ResumesAtStartUpOnlyForExactlyTrue) {
  MakeDiskFolder("backup");
  for (const char* run : {"true", "TRUE", "True", "1"}) {
    SCOPED_TRACE(run);
    WriteSettings(std::string("[disk]\r\npath=E:\\backup\\\r\nrun=") + run + "\r\n");
    HWND main = Start(false);
    ASSERT_NE(main, nullptr);
    const bool resumes = std::string(run) == "true";
    // A resumed program comes up in the tray, minimised and hidden; any other shows.
    EXPECT_TRUE(WaitUntil([&] {
      return resumes ? !IsWindowVisible(main) && IsIconic(main) : IsWindowVisible(main) != FALSE;
    }, 15000));
    EXPECT_EQ(IsOn(main), resumes);
    EXPECT_EQ(IsIconic(main) != FALSE, resumes);
    EXPECT_EQ(TextOf(Child(main, kPathBox)), "E:\\backup\\");
    EXPECT_EQ(StoredValue("run"), run);
    EXPECT_EQ(StoredValue("path"), "E:\\backup\\");
    EXPECT_EQ(CloseAndWaitForExit(main), 0u);
  }
}

TEST_F(StartStop, ResumeWithTheFolderGoneIsRefusedBeforeTheWindowShows) {
  WriteSettings("[disk]\r\npath=E:\\gone\r\nrun=true\r\n");
  HWND main = Start(false);
  ASSERT_NE(main, nullptr);
  HWND box = WaitForDialog();
  EXPECT_FALSE(IsWindowVisible(main)) << "the window showed before the refusal";
  ExpectErrorBoxAndClose(box, FolderMissing("E:\\gone"));
  // Then it comes up in the tray all the same (with the off icon).
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(main) && IsIconic(main); }, 15000));
  EXPECT_FALSE(IsOn(main));
  EXPECT_EQ(StoredValue("run"), "true");
}

}  // namespace
