#include "tests/e2e/driver/keep_awake_fixture.h"

#include <sstream>

#include "tests/e2e/driver/options.h"

void KeepAwakeTest::SetUp() {
  ProgramTest::SetUp();
  disk_ = std::make_unique<MappedDrive>('e');
}

void KeepAwakeTest::TearDown() {
  program_.Kill();
  disk_.reset();
}

std::string KeepAwakeTest::MakeDiskFolder(const std::string& relative) {
  const std::string path = DiskPath(relative);
  EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
  return path;
}

void KeepAwakeTest::TypePath(HWND main, const std::string& text) {
  SendMessageTimeoutA(Child(main, kPathBox), WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000, nullptr);
}

// Posted, so that a message box the click opens does not hold the driver up.
void KeepAwakeTest::Click(HWND main, MainChild button) {
  HWND control = Child(main, button);
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
               reinterpret_cast<LPARAM>(control));
}

HWND KeepAwakeTest::StartOn(const std::string& path) {
  HWND main = Start();
  if (!main) return nullptr;
  TypePath(main, path);
  Click(main, kStart);
  return main;
}

// Until both buttons have swapped: the controller sets the stop button after the start one.
bool KeepAwakeTest::WaitForOn(HWND main, bool on) {
  return WaitUntil([&] {
    return IsOn(main) == on && (IsWindowEnabled(Child(main, kStop)) != FALSE) == on;
  }, 5000);
}

// Posted messages are handled in the order they were posted, so the ticks have run once
// a mark posted after them has: the path box's modified flag, which nothing else sets.
void KeepAwakeTest::Tick(HWND main, int count) {
  HWND timer = Child(main, kTimer);
  HWND box = Child(main, kPathBox);
  SendMessageTimeoutA(box, EM_SETMODIFY, FALSE, 0, SMTO_NORMAL, 5000, nullptr);
  for (int i = 0; i < count; ++i) PostMessageA(timer, WM_TIMER, 1000, 0);
  PostMessageA(box, EM_SETMODIFY, TRUE, 0);
  const bool handled = WaitUntil([&] {
    DWORD_PTR modified = 0;
    SendMessageTimeoutA(box, EM_GETMODIFY, 0, 0, SMTO_NORMAL, 5000, &modified);
    return modified != 0;
  }, 30000);
  EXPECT_TRUE(handled) << "the program did not handle the posted ticks";
}

std::string KeepAwakeTest::StoredValue(const std::string& key, bool* found) const {
  Bytes contents;
  ReadBytes(SettingsPath(), contents);
  std::istringstream in(contents);
  std::string line;
  bool inDisk = false;
  if (found) *found = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] == '[') {
      inDisk = line == "[disk]";
    } else if (inDisk && line.compare(0, key.size() + 1, key + "=") == 0) {
      if (found) *found = true;
      return line.substr(key.size() + 1);
    }
  }
  return "";
}

std::string KeepAwakeTest::UnixSettingsPath() const {
  return Options().unixPrefix + "/drive_c/e2e/" + CurrentCaseName() + "/config.ini";
}
