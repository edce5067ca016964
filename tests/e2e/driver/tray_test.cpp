// Into the tray and back: minimising hides the window behind its notification-area icon,
// releasing a mouse button over the icon brings it back, and the window is never left
// hidden without an icon.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/driver/options.h"
#include "tests/e2e/driver/program_fixture.h"
#include "tests/e2e/driver/tray.h"

namespace {

// The tips as the system passes them on (UTF-16).
const std::wstring kOnTip = L"澄岳移动硬盘反休眠 - 已开启";
const std::wstring kOffTip = L"澄岳移动硬盘反休眠 - 已关闭";

// The window hides a good while after the minimise under Wine without a window manager.
constexpr DWORD kTrayWait = 15000;

class Tray : public ProgramTest {
 protected:
  void Minimise(HWND main) { PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0); }

  bool NoVisibleWindow() { return FindTopWindow(program_.id(), "", true) == nullptr; }
  bool Hidden(HWND main) { return !IsWindowVisible(main) && IsIconic(main); }
  bool InTray(HWND main) { return Hidden(main) && NoVisibleWindow() && TrayIconShown(main); }
  bool WaitInTray(HWND main) { return WaitUntil([&] { return InTray(main); }, kTrayWait); }
  // Minimised and on the taskbar: visible, unowned, no tool window.
  bool OnTaskbarMinimised(HWND main) {
    return IsWindowVisible(main) && IsIconic(main) && !GetWindow(main, GW_OWNER) &&
           !(ExStyleOf(main) & WS_EX_TOOLWINDOW);
  }
  bool ShownNormal(HWND main) {
    return IsWindowVisible(main) && !IsIconic(main) && GetForegroundWindow() == main;
  }

  // Switches keep-awake on, with the case's own folder, or off, with the start and stop
  // buttons; true once the start button shows the new state.
  bool SwitchKeepAwake(HWND main, bool on) {
    if (on) {
      SendMessageA(Child(main, kPathBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder_.c_str()));
    }
    HWND button = Child(main, on ? kStart : kStop);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    return WaitUntil([&] { return !IsWindowEnabled(Child(main, kStart)) == on; }, 5000);
  }
};

TEST_F(Tray, MinimisingHidesTheWindowBehindItsIcon) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(TrayIconShown(main));
  Minimise(main);
  ASSERT_TRUE(WaitInTray(main)) << "visible=" << IsWindowVisible(main)
                                << " iconic=" << IsIconic(main);
  EXPECT_EQ(TrayLamp(), Lamp::kUnlit);
}

TEST_F(Tray, ResumedProgramComesUpInTheTrayWithTheLampLit) {
  WriteSettings("[disk]\r\npath=" + folder_ + "\\\r\nrun=true\r\n");
  HWND main = Start(false);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitInTray(main));
  Lamp lamp = Lamp::kNoIcon;
  EXPECT_TRUE(WaitUntil([&] { return (lamp = TrayLamp()) == Lamp::kLit; }, 5000))
      << LampName(lamp);
  Sleep(1000);
  EXPECT_TRUE(InTray(main));  // and it stays there

  PostTrayMouse(main, WM_LBUTTONUP);
  EXPECT_TRUE(WaitUntil([&] { return ShownNormal(main); }, kTrayWait));
  EXPECT_FALSE(IsWindowEnabled(Child(main, kStart)));  // keep-awake is on
}

TEST_F(Tray, RefusedResumeComesUpInTheTrayWithTheLampUnlit) {
  WriteSettings("[disk]\r\npath=C:\\e2e\\no such folder\\\r\nrun=true\r\n");
  HWND main = Start(false);
  ASSERT_NE(main, nullptr);
  HWND box = WaitForDialog();
  ASSERT_NE(box, nullptr) << "no refusal";
  PressDialogButton(box, IDOK);
  ASSERT_TRUE(WaitInTray(main));
  Lamp lamp = Lamp::kNoIcon;
  EXPECT_TRUE(WaitUntil([&] { return (lamp = TrayLamp()) == Lamp::kUnlit; }, 5000))
      << LampName(lamp);
}

TEST_F(Tray, ReleasingAMouseButtonOverTheIconBringsTheWindowBack) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  for (UINT release : {WM_LBUTTONUP, WM_RBUTTONUP, WM_LBUTTONDBLCLK, WM_CONTEXTMENU}) {
    SCOPED_TRACE(release);
    Minimise(main);
    ASSERT_TRUE(WaitInTray(main));
    PostTrayMouse(main, release);
    EXPECT_TRUE(WaitUntil([&] { return ShownNormal(main); }, kTrayWait));
    EXPECT_TRUE(WaitUntil([&] { return !TrayIconShown(main); }, 5000));
  }
  // A release that was already on its way when the icon went shows the window again.
  PostTrayMouse(main, WM_LBUTTONUP);
  Sleep(500);
  EXPECT_TRUE(ShownNormal(main));
  EXPECT_FALSE(TrayIconShown(main));
}

TEST_F(Tray, MovingOrPressingOverTheIconBringsNothingBack) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  Minimise(main);
  ASSERT_TRUE(WaitInTray(main));
  for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONUP}) {
    PostTrayMouse(main, message);
  }
  Sleep(1500);
  EXPECT_TRUE(InTray(main));
}

TEST_F(Tray, EachTripShowsTheLampOfTheStateAtThatMoment) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(SwitchKeepAwake(main, true));
  Minimise(main);
  ASSERT_TRUE(WaitInTray(main));
  Lamp lamp = Lamp::kNoIcon;
  EXPECT_TRUE(WaitUntil([&] { return (lamp = TrayLamp()) == Lamp::kLit; }, 5000))
      << LampName(lamp);

  PostTrayMouse(main, WM_LBUTTONUP);
  ASSERT_TRUE(WaitUntil([&] { return ShownNormal(main); }, kTrayWait));
  ASSERT_TRUE(SwitchKeepAwake(main, false));  // stopped in between
  Minimise(main);
  ASSERT_TRUE(WaitInTray(main));
  EXPECT_TRUE(WaitUntil([&] { return (lamp = TrayLamp()) == Lamp::kUnlit; }, 5000))
      << LampName(lamp);
}

TEST_F(Tray, RequestsCarryTheIconIdCallbackAndTipOfTheState) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  FakeNotificationArea area(true);
  ASSERT_TRUE(SwitchKeepAwake(main, true));
  Minimise(main);
  ASSERT_TRUE(area.WaitForRequests(1, kTrayWait));
  ASSERT_TRUE(WaitUntil([&] { return Hidden(main); }, kTrayWait));
  PostTrayMouse(main, WM_RBUTTONUP);
  ASSERT_TRUE(area.WaitForRequests(2, kTrayWait));
  ASSERT_TRUE(WaitUntil([&] { return ShownNormal(main); }, kTrayWait));
  ASSERT_TRUE(SwitchKeepAwake(main, false));
  Minimise(main);
  ASSERT_TRUE(area.WaitForRequests(3, kTrayWait));

  const auto owner = static_cast<UINT>(reinterpret_cast<UINT_PTR>(main));
  const std::vector<FakeNotificationArea::Request> requests = area.Requests();
  ASSERT_EQ(requests.size(), 3u);
  const DWORD expectedMessages[] = {NIM_ADD, NIM_DELETE, NIM_ADD};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_STREQ(TrayRequestName(requests[i].message), TrayRequestName(expectedMessages[i]));
    EXPECT_EQ(requests[i].owner, owner);
    EXPECT_EQ(requests[i].id, kTrayIconId);
  }
  for (int i : {0, 2}) {
    EXPECT_EQ(requests[i].flags, 7u);
    EXPECT_EQ(requests[i].callback, kTrayCallbackMessage);
  }
  EXPECT_TRUE(requests[0].Holds(kOnTip));
  EXPECT_FALSE(requests[0].Holds(kOffTip));
  EXPECT_TRUE(requests[2].Holds(kOffTip));
  EXPECT_EQ(requests[1].flags, 0u);
}

TEST_F(Tray, RefusedIconLeavesTheWindowMinimisedOnTheTaskbar) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  {
    FakeNotificationArea area(false);
    Minimise(main);
    ASSERT_TRUE(area.WaitForRequests(1, kTrayWait));
    EXPECT_TRUE(WaitUntil([&] { return OnTaskbarMinimised(main); }, kTrayWait))
        << "the window was left hidden without an icon";
    Sleep(1000);
    EXPECT_TRUE(OnTaskbarMinimised(main));
    EXPECT_EQ(area.Requests().front().message, static_cast<DWORD>(NIM_ADD));
  }
  // The taskbar button brings it back as usual.
  PostMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) && !IsIconic(main); }, kTrayWait));
}

// The host layer's own test program goes into the tray with bytes that make no icon.
TEST_F(Tray, IconThatCannotBeMadeLeavesTheWindowMinimisedOnTheTaskbar) {
  RunningProgram probe =
      RunningProgram::Start(CopyInto(Options().hostProbe, folder_), "tray-without-image");
  HWND main = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    return (main = FindTopWindow(probe.id(), "HostProbe", true)) != nullptr;
  }));
  Minimise(main);
  Bytes log;
  ASSERT_TRUE(WaitUntil([&] {
    return ReadBytes(folder_ + "\\events.log", log) && log.find("tray set") != Bytes::npos;
  }, kTrayWait));
  EXPECT_TRUE(WaitUntil([&] { return OnTaskbarMinimised(main); }, 5000));
  Sleep(1000);
  EXPECT_TRUE(OnTaskbarMinimised(main));
  EXPECT_FALSE(TrayIconShown(main));
}

TEST_F(Tray, RestartedNotificationAreaGetsTheIconBack) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(SwitchKeepAwake(main, true));
  Minimise(main);
  ASSERT_TRUE(WaitInTray(main));
  ASSERT_TRUE(ForgetTrayIcon(main));
  ASSERT_FALSE(TrayIconShown(main));

  PostMessageA(main, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(WaitInTray(main));
  Lamp lamp = Lamp::kNoIcon;
  EXPECT_TRUE(WaitUntil([&] { return (lamp = TrayLamp()) == Lamp::kLit; }, 5000))
      << LampName(lamp);

  // And the icon that came back still brings the window back.
  PostTrayMouse(main, WM_LBUTTONUP);
  EXPECT_TRUE(WaitUntil([&] { return ShownNormal(main); }, kTrayWait));
}

TEST_F(Tray, RestartedNotificationAreaThatRefusesTheIconLeavesTheWindowOnTheTaskbar) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  Minimise(main);
  ASSERT_TRUE(WaitInTray(main));
  ASSERT_TRUE(ForgetTrayIcon(main));

  FakeNotificationArea area(false);
  PostMessageA(main, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  ASSERT_TRUE(area.WaitForRequests(1, kTrayWait));
  EXPECT_TRUE(WaitUntil([&] { return OnTaskbarMinimised(main); }, kTrayWait));
}

TEST_F(Tray, WindowClosedInTheTrayTakesItsIconAlong) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  Minimise(main);
  ASSERT_TRUE(WaitInTray(main));
  EXPECT_EQ(CloseAndWaitForExit(main), 0u);
  EXPECT_FALSE(TrayIconShown(main));
}

}  // namespace
