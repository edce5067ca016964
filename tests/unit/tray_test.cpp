// Into the tray and back: the position-changed and tray handlers on a fake host that
// keeps the real host's window rules.
#include "ui/tray.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/fake_host.h"
#include "ui/tray_icons.h"

namespace {

using Trace = std::vector<std::string>;

// "澄岳移动硬盘反休眠 - 已开启" and "... - 已关闭" in GBK.
const std::string kTitleGbk =
    "\xb3\xce\xd4\xc0\xd2\xc6\xb6\xaf\xd3\xb2\xc5\xcc\xb7\xb4\xd0\xdd\xc3\xdf";
const std::string kOnTip = kTitleGbk + " - \xd2\xd1\xbf\xaa\xc6\xf4";
const std::string kOffTip = kTitleGbk + " - \xd2\xd1\xb9\xd8\xb1\xd5";

// The window rules of the real host that the handlers lean on: a show state written
// while the window is hidden is only stored; restoring a visible window moves it, which
// raises the position-changed event inside the call; the notification area shows at
// most one icon for the window.
class WindowHost : public FakeHost {
 public:
  const unsigned char* trayIcon = nullptr;
  std::string trayTip;
  int positionEvents = 0;

  void InTray(bool keepAwakeOn) {
    windowState = kStateMinimised;
    windowVisible = false;
    disabled[static_cast<int>(Control::按钮2)] = keepAwakeOn;
    trayIcon = keepAwakeOn ? kTrayIconOn.data : kTrayIconOff.data;
    trayTip = keepAwakeOn ? kOnTip : kOffTip;
  }
  void Minimise() {
    windowState = kStateMinimised;
    RaisePositionChanged();
  }
  void RaisePositionChanged() {
    ++positionEvents;
    OnMainWindowPositionChanged(*this);
  }

  void SetWindowState(int state) override {
    const int before = windowState;
    FakeHost::SetWindowState(state);
    if (!windowVisible) {
      windowState = before;
      return;
    }
    if (state != before) RaisePositionChanged();
  }
  void SetTrayIcon(ByteSpan icon, const Text& tip) override {
    FakeHost::SetTrayIcon(icon, tip);
    trayIcon = icon.data;
    trayTip = tip;
  }
  void RemoveTrayIcon() override {
    FakeHost::RemoveTrayIcon();
    trayIcon = nullptr;
    trayTip.clear();
  }
};

TEST(TrayPairPick, FollowsTheStartButtonsDisabledFlag) {
  const TrayPair on = PickTrayPair(true);
  EXPECT_EQ(on.icon.data, kTrayIconOn.data);
  EXPECT_EQ(on.icon.size, 1150u);
  EXPECT_EQ(std::string(on.tip), kOnTip);
  const TrayPair off = PickTrayPair(false);
  EXPECT_EQ(off.icon.data, kTrayIconOff.data);
  EXPECT_EQ(off.icon.size, 1150u);
  EXPECT_EQ(std::string(off.tip), kOffTip);
}

struct MinimiseCase {
  const char* name;
  bool keepAwakeOn;
  const unsigned char* icon;
  const std::string* tip;
};

class MinimiseToTray : public ::testing::TestWithParam<MinimiseCase> {};

TEST_P(MinimiseToTray, HidesTheWindowBehindTheIconOfTheRunningState) {
  const MinimiseCase& c = GetParam();
  WindowHost host;
  host.windowVisible = true;
  host.disabled[static_cast<int>(Control::按钮2)] = c.keepAwakeOn;
  host.disabled[static_cast<int>(Control::按钮3)] = !c.keepAwakeOn;

  host.Minimise();

  EXPECT_EQ(host.Trace(), (Trace{"GetWindowState()", "SetWindowVisible(false)",
                                 "IsControlDisabled(按钮2)",
                                 "SetTrayIcon(1150, " + *c.tip + ")"}));
  EXPECT_FALSE(host.windowVisible);
  EXPECT_EQ(host.windowState, kStateMinimised);
  EXPECT_EQ(host.trayIcon, c.icon);
}

const MinimiseCase kMinimiseCases[] = {
    {"KeepAwakeOn", true, kTrayIconOn.data, &kOnTip},
    {"KeepAwakeOff", false, kTrayIconOff.data, &kOffTip},
};

INSTANTIATE_TEST_SUITE_P(States, MinimiseToTray, ::testing::ValuesIn(kMinimiseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PositionChanged, DoesNothingUnlessMinimised) {
  for (int state : {kStateNormal, kStateMaximised}) {
    WindowHost host;
    host.windowVisible = true;
    host.windowState = state;
    host.RaisePositionChanged();
    EXPECT_EQ(host.Trace(), Trace{"GetWindowState()"}) << state;
    EXPECT_TRUE(host.windowVisible);
    EXPECT_EQ(host.trayIcon, nullptr);
  }
}

TEST(PositionChanged, LoadCallOnTheHiddenWindowChangesNothing) {
  WindowHost host;  // hidden, reads normal even after the created event wrote 2
  host.SetWindowState(kStateMinimised);
  host.ClearTrace();
  host.RaisePositionChanged();
  EXPECT_EQ(host.Trace(), Trace{"GetWindowState()"});
  EXPECT_EQ(host.trayIcon, nullptr);
}

TEST(TrayEvent, EveryOperationRestoresTheNormalVisibleWindowAndRemovesTheIcon) {
  for (int operation : {1, 2, 3}) {
    WindowHost host;
    host.InTray(true);

    OnTrayEvent(host, operation);

    // The restore's own move runs the position handler inside it; it reads normal.
    EXPECT_EQ(host.Trace(), (Trace{"SetWindowVisible(true)", "SetWindowState(0)",
                                   "GetWindowState()", "RemoveTrayIcon()"}))
        << operation;
    EXPECT_TRUE(host.windowVisible);
    EXPECT_EQ(host.windowState, kStateNormal);
    EXPECT_EQ(host.trayIcon, nullptr);
    EXPECT_EQ(host.positionEvents, 1);
  }
}

TEST(TrayEvent, LateEventOnTheShownWindowShowsItAgainAndRemovesNothingNew) {
  WindowHost host;
  host.windowVisible = true;
  OnTrayEvent(host, 1);
  EXPECT_TRUE(host.windowVisible);
  EXPECT_EQ(host.windowState, kStateNormal);
  EXPECT_EQ(host.trayIcon, nullptr);
  EXPECT_EQ(host.positionEvents, 0);
}

TEST(TrayTrips, EachTripShowsThePairOfTheStateAtThatMoment) {
  WindowHost host;
  host.windowVisible = true;
  host.disabled[static_cast<int>(Control::按钮2)] = true;  // keep-awake on
  host.Minimise();
  EXPECT_EQ(host.trayIcon, kTrayIconOn.data);
  EXPECT_EQ(host.trayTip, kOnTip);

  OnTrayEvent(host, 1);
  host.disabled[static_cast<int>(Control::按钮2)] = false;  // stopped in between
  host.Minimise();
  EXPECT_EQ(host.trayIcon, kTrayIconOff.data);
  EXPECT_EQ(host.trayTip, kOffTip);
  EXPECT_FALSE(host.windowVisible);
}

}  // namespace
