// The start/stop controller: what each handler does, in order, and the state it leaves.
#include "ui/controller.h"

#include <gtest/gtest.h>

#include "tests/unit/fake_host.h"

namespace {

using Trace = std::vector<std::string>;

const char kSettings[] = "C:\\prog\\config.ini";
const char kNotSaved[] =
    "ShowMessageBox(无法保存设置文件【C:\\prog\\config.ini】，反休眠未开启。"
    "请检查该文件及其所在文件夹是否只读或被其他程序占用, 16, 澄岳移动硬盘反休眠)";

// The running state as the rest of the program sees it, with its two companions.
struct State {
  bool startDisabled;
  bool stopDisabled;
  int period;
  bool operator==(const State& other) const {
    return startDisabled == other.startDisabled && stopDisabled == other.stopDisabled &&
           period == other.period;
  }
};
constexpr State kOff{false, true, 0};
constexpr State kOn{true, false, 300000};

std::ostream& operator<<(std::ostream& out, const State& s) {
  return out << "start " << (s.startDisabled ? "disabled" : "enabled") << ", stop "
             << (s.stopDisabled ? "disabled" : "enabled") << ", period " << s.period;
}

State StateOf(const FakeHost& host) {
  return {host.IsDisabled(Control::按钮2), host.IsDisabled(Control::按钮3),
          host.TimerPeriod(Control::时钟1)};
}

const Trace kSwitchOn = {
    "SetTimerPeriod(时钟1, 300000)",
    "SetControlDisabled(按钮2, true)",
    "SetControlDisabled(按钮3, false)",
};

Trace Join(Trace head, const Trace& tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

}  // namespace

TEST(OnStartClicked, StateTable) {
  struct Case {
    const char* name;
    const char* pathBox;
    std::set<Text> failingKeys;
    Trace trace;
    State after;
  };
  const Case cases[] = {
      {"folder exists, typed without backslash",
       "E:\\backup",
       {},
       Join({"GetControlText(编辑框1)", "FolderExists(E:\\backup)",
             "WriteProfileString(C:\\prog\\config.ini, disk, path, E:\\backup)",
             "WriteProfileString(C:\\prog\\config.ini, disk, run, true)"},
            kSwitchOn),
       kOn},
      {"drive root",
       "E:\\",
       {},
       Join({"GetControlText(编辑框1)", "FolderExists(E:\\)",
             "WriteProfileString(C:\\prog\\config.ini, disk, path, E:\\)",
             "WriteProfileString(C:\\prog\\config.ini, disk, run, true)"},
            kSwitchOn),
       kOn},
      {"folder missing",
       "E:\\gone\\",
       {},
       {"GetControlText(编辑框1)", "FolderExists(E:\\gone)",
        "ShowMessageBox(文件夹【E:\\gone\\】不存在！请重新选择, 16, 澄岳移动硬盘反休眠)"},
       kOff},
      {"empty path box",
       "",
       {},
       {"GetControlText(编辑框1)",
        "ShowMessageBox(文件夹【】不存在！请重新选择, 16, 澄岳移动硬盘反休眠)"},
       kOff},
      {"path cannot be saved",
       "E:\\backup",
       {"path"},
       {"GetControlText(编辑框1)", "FolderExists(E:\\backup)",
        "WriteProfileString(C:\\prog\\config.ini, disk, path, E:\\backup)", kNotSaved},
       kOff},
      {"run cannot be saved",
       "E:\\backup",
       {"run"},
       {"GetControlText(编辑框1)", "FolderExists(E:\\backup)",
        "WriteProfileString(C:\\prog\\config.ini, disk, path, E:\\backup)",
        "WriteProfileString(C:\\prog\\config.ini, disk, run, true)", kNotSaved},
       kOff},
  };
  for (const Case& c : cases) {
    FakeHost host;
    host.folders = {"E:\\backup", "E:\\"};
    host.failingProfileKeys = c.failingKeys;
    host.ControlText(Control::编辑框1) = c.pathBox;
    OnStartClicked(host);
    EXPECT_EQ(host.Trace(), c.trace) << c.name;
    EXPECT_EQ(StateOf(host), c.after) << c.name;
  }
}

TEST(OnStartClicked, RefusalWritesNothing) {
  FakeHost host;
  host.Profile(kSettings, "disk", "path") = "E:\\old";
  host.Profile(kSettings, "disk", "run") = "false";
  host.ControlText(Control::编辑框1) = "E:\\gone";
  OnStartClicked(host);
  EXPECT_EQ(host.Profile(kSettings, "disk", "path"), "E:\\old");
  EXPECT_EQ(host.Profile(kSettings, "disk", "run"), "false");
}

TEST(OnStartClicked, SettingsBesideADriveRootExecutable) {
  FakeHost host;
  host.programDirectory = "E:";
  host.folders = {"E:\\backup"};
  host.ControlText(Control::编辑框1) = "E:\\backup";
  OnStartClicked(host);
  EXPECT_EQ(host.Profile("E:\\config.ini", "disk", "path"), "E:\\backup");
  EXPECT_EQ(host.Profile("E:\\config.ini", "disk", "run"), "true");

  FakeHost readOnly;
  readOnly.programDirectory = "E:";
  readOnly.folders = {"E:\\backup"};
  readOnly.failingProfileKeys = {"path"};
  readOnly.ControlText(Control::编辑框1) = "E:\\backup";
  OnStartClicked(readOnly);
  ASSERT_EQ(readOnly.messageBoxes.size(), 1u);
  EXPECT_EQ(readOnly.messageBoxes[0].text,
            "无法保存设置文件【E:\\config.ini】，反休眠未开启。"
            "请检查该文件及其所在文件夹是否只读或被其他程序占用");
}

TEST(OnStopClicked, AlwaysStops) {
  for (bool writable : {true, false}) {
    FakeHost host;
    host.disabled[static_cast<int>(Control::按钮2)] = true;
    host.disabled[static_cast<int>(Control::按钮3)] = false;
    host.timerPeriods[static_cast<int>(Control::时钟1)] = 300000;
    host.Profile(kSettings, "disk", "path") = "E:\\backup";
    if (!writable) host.failingProfileKeys = {"run"};
    OnStopClicked(host);
    EXPECT_EQ(host.Trace(), (Trace{"WriteProfileString(C:\\prog\\config.ini, disk, run, false)",
                                   "SetTimerPeriod(时钟1, 0)", "SetControlDisabled(按钮2, false)",
                                   "SetControlDisabled(按钮3, true)"}))
        << "writable " << writable;
    EXPECT_EQ(StateOf(host), kOff);
    EXPECT_EQ(host.Profile(kSettings, "disk", "path"), "E:\\backup");  // stop keeps the path
    EXPECT_TRUE(host.messageBoxes.empty());
  }
}

TEST(OnMainWindowCreated, ResumesOnlyForExactlyTrue) {
  const Trace readPath = {"ReadProfileString(C:\\prog\\config.ini, disk, path, )"};
  const char readRun[] = "ReadProfileString(C:\\prog\\config.ini, disk, run, false)";
  struct Case {
    const char* name;
    const char* path;  // null: key missing
    const char* run;   // null: key missing
    Trace trace;
    State after;
  };
  const Case cases[] = {
      {"no settings file", nullptr, nullptr,
       {readPath[0], "SetControlText(编辑框1, )", readRun}, kOff},
      {"run is TRUE", "E:\\backup", "TRUE",
       {readPath[0], "SetControlText(编辑框1, E:\\backup)", readRun}, kOff},
      {"run is false", "E:\\backup", "false",
       {readPath[0], "SetControlText(编辑框1, E:\\backup)", readRun}, kOff},
      {"resume accepted", "E:\\backup", "true",
       Join(Join({readPath[0], "SetControlText(编辑框1, E:\\backup)", readRun,
                  "GetControlText(编辑框1)", "FolderExists(E:\\backup)",
                  "WriteProfileString(C:\\prog\\config.ini, disk, path, E:\\backup)",
                  "WriteProfileString(C:\\prog\\config.ini, disk, run, true)"},
                 kSwitchOn),
            {"SetWindowState(2)"}),
       kOn},
      {"resume refused, folder gone", "E:\\gone", "true",
       {readPath[0], "SetControlText(编辑框1, E:\\gone)", readRun, "GetControlText(编辑框1)",
        "FolderExists(E:\\gone)",
        "ShowMessageBox(文件夹【E:\\gone】不存在！请重新选择, 16, 澄岳移动硬盘反休眠)",
        "SetWindowState(2)"},
       kOff},
  };
  for (const Case& c : cases) {
    FakeHost host;
    host.folders = {"E:\\backup"};
    if (c.path) host.Profile(kSettings, "disk", "path") = c.path;
    if (c.run) host.Profile(kSettings, "disk", "run") = c.run;
    OnMainWindowCreated(host, nullptr);
    EXPECT_EQ(host.Trace(), c.trace) << c.name;
    EXPECT_EQ(StateOf(host), c.after) << c.name;
    if (c.run) {
      EXPECT_EQ(host.Profile(kSettings, "disk", "run"), c.run) << c.name;
    }
  }
}

namespace {
std::size_t g_callsBeforeGuard = 0;
void RecordingGuard(Host& host) {
  g_callsBeforeGuard = static_cast<FakeHost&>(host).Trace().size();
}
void EndingGuard(Host& host) { host.ExitProgram(0); }
}  // namespace

TEST(OnMainWindowCreated, GuardRunsFirstAndCanEndTheProgram) {
  FakeHost host;
  g_callsBeforeGuard = 99;
  OnMainWindowCreated(host, RecordingGuard);
  EXPECT_EQ(g_callsBeforeGuard, 0u);

  FakeHost second;
  second.Profile(kSettings, "disk", "run") = "true";
  EXPECT_THROW(OnMainWindowCreated(second, EndingGuard), ProgramExit);
  EXPECT_EQ(second.Trace(), (Trace{"ExitProgram(0)"}));
}
