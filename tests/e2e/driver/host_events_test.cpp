// The host layer under the program, checked through a small program of its own
// (host_probe) that logs every event the host delivers.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/driver/options.h"
#include "tests/e2e/driver/program_fixture.h"

namespace {

struct LogLine {
  unsigned long time;
  std::string event;
};

class HostEvents : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = FreshCaseFolder(CurrentCaseName());
    exe_ = CopyInto(Options().hostProbe, folder_);
  }

  HWND Start(const char* mode, bool waitForVisible = true) {
    probe_ = RunningProgram::Start(exe_, mode);
    EXPECT_TRUE(probe_.started());
    HWND main = nullptr;
    WaitUntil([&] {
      main = FindTopWindow(probe_.id(), "HostProbe", waitForVisible);
      return main != nullptr;
    });
    return main;
  }

  std::vector<LogLine> Log() const {
    Bytes bytes;
    ReadBytes(folder_ + "\\events.log", bytes);
    std::vector<LogLine> lines;
    std::istringstream in(bytes);
    std::string line;
    while (std::getline(in, line)) {
      const size_t space = line.find(' ');
      lines.push_back({std::strtoul(line.c_str(), nullptr, 10), line.substr(space + 1)});
    }
    return lines;
  }

  std::vector<std::string> Events() const {
    std::vector<std::string> events;
    for (const LogLine& line : Log()) events.push_back(line.event);
    return events;
  }

  int Count(const std::string& event) const {
    int count = 0;
    for (const std::string& e : Events()) count += e == event;
    return count;
  }

  // The probe's controls in creation order: edit, default, other, arm, disarm, timer.
  HWND Control(HWND main, int index) { return ChildWindows(main).at(index); }

  std::string folder_;
  std::string exe_;
  RunningProgram probe_;
};

TEST_F(HostEvents, LoadRaisesCreatedPositionSizeInOrderWhileHiddenThenShows) {
  HWND main = Start("normal");
  ASSERT_NE(main, nullptr);
  const std::vector<std::string> events = Events();
  ASSERT_GE(events.size(), 3u);
  // Nothing from the window's creation itself; created runs while the window is hidden.
  EXPECT_EQ(events[0], "created visible=0");
  EXPECT_EQ(events[1], "position state=0");
  EXPECT_EQ(events[2], "size");
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_FALSE(IsIconic(main));
}

TEST_F(HostEvents, MinimisedStateRecordedWhileHiddenShowsTheWindowMinimised) {
  HWND main = Start("minimised");
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(IsIconic(main));
  const std::vector<std::string> events = Events();
  ASSERT_GE(events.size(), 2u);
  EXPECT_EQ(events[1], "position state=0");  // recorded, not yet applied
}

TEST_F(HostEvents, ClosingRunsTheExitRoutineOnceAndEndsWithZero) {
  HWND main = Start("normal");
  ASSERT_NE(main, nullptr);
  PostMessageA(main, WM_CLOSE, 0, 0);
  DWORD code = 1;
  ASSERT_TRUE(probe_.WaitForExit(10000, code));
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(Count("exit-routine"), 1);
}

TEST_F(HostEvents, ExitProgramFromTheCreatedEventEndsBeforeTheWindowShows) {
  probe_ = RunningProgram::Start(exe_, "exit-in-created");
  DWORD code = 1;
  ASSERT_TRUE(probe_.WaitForExit(10000, code));
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(Events(), (std::vector<std::string>{"created visible=0", "exit-routine"}));
}

TEST_F(HostEvents, FormThatCannotBeBuiltShowsTheErrorBoxAndEndsWithMinusOne) {
  probe_ = RunningProgram::Start(exe_, "broken");
  HWND box = nullptr;
  WaitUntil([&] { return (box = FindTopWindow(probe_.id(), "#32770", true)) != nullptr; });
  ASSERT_NE(box, nullptr) << "no error box";
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
  const std::vector<std::string> texts = StaticTextsOf(box);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back(), "载入启动窗口失败，程序无法运行");
  PressDialogButton(box, IDOK);
  DWORD code = 0;
  ASSERT_TRUE(probe_.WaitForExit(10000, code));
  EXPECT_EQ(code, 0xFFFFFFFFu);
  EXPECT_EQ(Count("exit-routine"), 0);
}

TEST_F(HostEvents, EnterPressesTheDefaultButtonOnlyWhileItIsEnabled) {
  HWND main = Start("normal");
  ASSERT_NE(main, nullptr);
  HWND edit = Control(main, 0);
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
  PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  ASSERT_TRUE(WaitUntil([&] { return Count("clicked default text=typed") == 1; }, 5000));

  EnableWindow(Control(main, 1), FALSE);
  PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  PostMessageA(main, WM_KEYDOWN, VK_RETURN, 0x001C0001);
  Sleep(500);
  EXPECT_EQ(Count("clicked default text=typed"), 1);
  EXPECT_EQ(TextOf(edit), "typed");  // Enter is not typed into the box either
}

TEST_F(HostEvents, TabMovesTheFocusAlongTheTabStops) {
  HWND main = Start("normal");
  ASSERT_NE(main, nullptr);
  auto focus = [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
    return info.hwndFocus;
  };
  ASSERT_TRUE(WaitUntil([&] { return focus() == Control(main, 0); }, 5000));
  EnableWindow(Control(main, 2), FALSE);  // a disabled control is skipped
  const HWND expected[] = {Control(main, 1), Control(main, 3), Control(main, 4), Control(main, 0)};
  for (HWND next : expected) {
    PostMessageA(focus(), WM_KEYDOWN, VK_TAB, 0x000F0001);
    EXPECT_TRUE(WaitUntil([&] { return focus() == next; }, 3000));
  }

  // Shift+Tab goes back: typed on the keyboard, so that the Shift key is really down.
  SetForegroundWindow(main);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; }, 3000));
  INPUT keys[4] = {};
  const WORD sequence[4][2] = {{VK_SHIFT, 0}, {VK_TAB, 0}, {VK_TAB, KEYEVENTF_KEYUP},
                               {VK_SHIFT, KEYEVENTF_KEYUP}};
  for (int i = 0; i < 4; ++i) {
    keys[i].type = INPUT_KEYBOARD;
    keys[i].ki.wVk = sequence[i][0];
    keys[i].ki.dwFlags = sequence[i][1];
  }
  SendInput(4, keys, sizeof(INPUT));
  EXPECT_TRUE(WaitUntil([&] { return focus() == Control(main, 4); }, 3000));
}

TEST_F(HostEvents, TimerTicksOnItsOwnWindowAndKeepsItsCountdownWhenSetAgain) {
  HWND main = Start("normal");
  ASSERT_NE(main, nullptr);
  HWND timer = Control(main, 5);
  EXPECT_FALSE(IsWindowVisible(timer));
  EXPECT_EQ(GetParent(timer), main);

  PostMessageA(timer, WM_TIMER, 1000, 0);  // any timer message of that window is a tick
  ASSERT_TRUE(WaitUntil([&] { return Count("tick") == 1; }, 3000));

  // Armed with 1500 ms, then armed again with the same period 1000 ms later: the first
  // tick still comes 1500 ms after the first arming, not 1500 ms after the second.
  SendMessageA(Control(main, 3), BM_CLICK, 0, 0);
  Sleep(1000);
  SendMessageA(Control(main, 3), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return Count("tick") == 2; }, 4000));
  std::vector<LogLine> log = Log();
  unsigned long armed = 0, ticked = 0;
  for (const LogLine& line : log) {
    if (line.event == "arm" && !armed) armed = line.time;
    if (line.event == "tick") ticked = line.time;
  }
  EXPECT_LT(ticked - armed, 2300u) << "the second arming restarted the countdown";
  EXPECT_GE(ticked - armed, 1400u);

  // A negative period stops the timer.
  SendMessageA(Control(main, 4), BM_CLICK, 0, 0);
  const int ticks = Count("tick");
  Sleep(2500);
  EXPECT_EQ(Count("tick"), ticks);
}

}  // namespace
