#include "tests/e2e/driver/program_fixture.h"

#include <vector>

#include "tests/e2e/driver/options.h"

std::string CurrentCaseName() {
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "_" + info->name();
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  return name;
}

void ProgramTest::SetUp() {
  folder_ = FreshCaseFolder(CurrentCaseName());
  exe_ = CopyInto(Options().program, folder_);
  ASSERT_TRUE(FileExists(exe_)) << "the program was not copied to " << exe_;
}

void ProgramTest::WriteSettings(const Bytes& contents) {
  ASSERT_TRUE(WriteBytes(SettingsPath(), contents));
}

HWND ProgramTest::Start(bool waitForVisible) {
  program_ = RunningProgram::Start(exe_);
  EXPECT_TRUE(program_.started()) << "could not start " << exe_;
  HWND main = nullptr;
  WaitUntil([&] {
    main = FindTopWindow(program_.id(), kMainClass, waitForVisible);
    return main != nullptr;
  });
  EXPECT_NE(main, nullptr) << "no main window appeared";
  return main;
}

HWND ProgramTest::Child(HWND main, MainChild which) {
  std::vector<HWND> children = ChildWindows(main);
  EXPECT_EQ(children.size(), static_cast<size_t>(kChildCount));
  return static_cast<size_t>(which) < children.size() ? children[which] : nullptr;
}

HWND ProgramTest::WaitForDialog(DWORD milliseconds) {
  HWND dialog = nullptr;
  WaitUntil([&] {
    dialog = FindTopWindow(program_.id(), "#32770", true);
    return dialog != nullptr;
  }, milliseconds);
  return dialog;
}

DWORD ProgramTest::CloseAndWaitForExit(HWND main) {
  PostMessageA(main, WM_CLOSE, 0, 0);
  DWORD code = 0;
  return program_.WaitForExit(10000, code) ? code : ~0u - 1;
}
