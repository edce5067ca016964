// One instance per logon: a second start warns and ends, the first runs on untouched.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <tlhelp32.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/driver/message_boxes.h"
#include "tests/e2e/driver/program_fixture.h"

namespace {

const char kRunningWarning[] =  // 澄岳硬盘反休眠已经运行！
    "\xb3\xce\xd4\xc0\xd3\xb2\xc5\xcc\xb7\xb4\xd0\xdd\xc3\xdf\xd2\xd1\xbe\xad\xd4\xcb\xd0\xd0"
    "\xa3\xa1";
const char kWarningCaption[] = "\xd3\xd1\xc7\xe9\xcc\xe1\xd0\xd1:";  // 友情提醒:
const char kFirstPath[] = "C:\\first\\typed\\";

// What a user sees of the first instance.
struct FirstState {
  bool visible = false;
  std::string title;
  std::string path;
  bool startEnabled = false;
  bool stopEnabled = false;

  bool operator==(const FirstState& other) const {
    return visible == other.visible && title == other.title && path == other.path &&
           startEnabled == other.startEnabled && stopEnabled == other.stopEnabled;
  }
};

void PrintTo(const FirstState& state, std::ostream* out) {
  *out << "{visible " << state.visible << ", title " << state.title << ", path " << state.path
       << ", start " << state.startEnabled << ", stop " << state.stopEnabled << "}";
}

// Watches, while it lives, for a visible main window of any process but one.
class MainWindowWatch {
 public:
  explicit MainWindowWatch(DWORD allowedProcess)
      : allowed_(allowedProcess), thread_([this] { Run(); }) {}
  MainWindowWatch(const MainWindowWatch&) = delete;
  MainWindowWatch& operator=(const MainWindowWatch&) = delete;
  ~MainWindowWatch() { Stop(); }

  // Stops watching; true when some other process showed its main window meanwhile.
  bool Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return seen_;
  }

 private:
  void Run() {
    while (!stop_) {
      for (HWND window = FindWindowExA(nullptr, nullptr, kMainClass, nullptr); window;
           window = FindWindowExA(nullptr, window, kMainClass, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process != allowed_ && IsWindowVisible(window)) seen_ = true;
      }
      Sleep(5);
    }
  }

  DWORD allowed_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> seen_{false};
  std::thread thread_;
};

// How many processes run the executable of that name.
int ProcessesNamed(const char* exeName) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    count += lstrcmpiA(entry.szExeFile, exeName) == 0;
  }
  CloseHandle(snapshot);
  return count;
}

FILETIME LongAgo() {
  SYSTEMTIME time{};
  time.wYear = 2001;
  time.wMonth = 1;
  time.wDay = 1;
  FILETIME file{};
  SystemTimeToFileTime(&time, &file);
  return file;
}

struct FileTimes {
  FILETIME access{}, write{};
};

bool SameTime(const FILETIME& a, const FILETIME& b) { return CompareFileTime(&a, &b) == 0; }

class SingleInstance : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    WriteSettings("[disk]\r\npath=C:\\\r\nrun=false\r\n");
  }

  // Starts the first instance and gives it a state of its own: a typed path.
  HWND StartFirst() {
    HWND main = Start();
    if (main) SendMessageA(Child(main, kPathBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kFirstPath));
    return main;
  }

  FirstState StateOf(HWND main) {
    FirstState state;
    state.visible = IsWindowVisible(main) != FALSE;
    state.title = TextOf(main);
    state.path = TextOf(Child(main, kPathBox));
    state.startEnabled = IsWindowEnabled(Child(main, kStart)) != FALSE;
    state.stopEnabled = IsWindowEnabled(Child(main, kStop)) != FALSE;
    return state;
  }

  // Whether the first instance still answers messages at once.
  static bool Answers(HWND main) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result) != 0;
  }

  FileTimes SettingsTimes() {
    FileTimes times;
    HANDLE file = CreateFileA(SettingsPath().c_str(), FILE_READ_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    GetFileTime(file, nullptr, &times.access, &times.write);
    CloseHandle(file);
    return times;
  }

  // Sets the settings file's last access far back, so that the next read of it moves it.
  void MarkSettingsUnread() {
    HANDLE file = CreateFileA(SettingsPath().c_str(), FILE_WRITE_ATTRIBUTES,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const FILETIME longAgo = LongAgo();
    SetFileTime(file, nullptr, &longAgo, nullptr);
    CloseHandle(file);
  }

  // A further start of the program; it ends before it has shown its main window.
  RunningProgram StartAnother() { return RunningProgram::Start(exe_); }

  // The other start's message box once it shows its text; null when none comes.
  static HWND WaitForBoxOf(const RunningProgram& other, DWORD milliseconds = 10000) {
    HWND box = nullptr;
    WaitUntil([&] {
      box = FindTopWindow(other.id(), "#32770", true);
      return (box && !StaticTextsOf(box).empty()) || !other.IsRunning();
    }, milliseconds);
    return box;
  }
};

TEST_F(SingleInstance, ReadingTheSettingsMovesTheirLastAccess) {
  // The cases below rely on this to tell that a second instance never read the file.
  MarkSettingsUnread();
  const FileTimes before = SettingsTimes();
  Bytes bytes;
  ASSERT_TRUE(ReadBytes(SettingsPath(), bytes));
  EXPECT_FALSE(SameTime(SettingsTimes().access, before.access))
      << "this file system does not record reads; the settings cannot be watched";
}

TEST_F(SingleInstance, SecondStartWarnsWithoutOwnerAndEndsWithZeroUnseen) {
  HWND first = StartFirst();
  ASSERT_NE(first, nullptr);
  Bytes settingsBefore;
  ASSERT_TRUE(ReadBytes(SettingsPath(), settingsBefore));
  MarkSettingsUnread();
  const FileTimes timesBefore = SettingsTimes();
  MainWindowWatch watch(program_.id());

  RunningProgram second = StartAnother();
  ASSERT_TRUE(second.started());
  HWND box = WaitForBoxOf(second);
  ASSERT_NE(box, nullptr) << "the second instance showed no warning";
  const SeenBox seen = LookAtBox(box);
  EXPECT_EQ(seen.texts, std::vector<std::string>{kRunningWarning});
  EXPECT_EQ(seen.caption, kWarningCaption);
  EXPECT_EQ(seen.icon, BoxIcon::Warning) << BoxIconName(seen.icon);
  EXPECT_EQ(seen.owner, nullptr);
  // Its main window exists, hidden, while the warning shows.
  HWND secondMain = FindTopWindow(second.id(), kMainClass);
  EXPECT_NE(secondMain, nullptr);
  EXPECT_FALSE(IsWindowVisible(secondMain));

  PressDialogButton(box, IDOK);
  DWORD code = 1;
  ASSERT_TRUE(second.WaitForExit(10000, code)) << "the second instance did not end";
  EXPECT_EQ(code, 0u);
  EXPECT_FALSE(watch.Stop()) << "the second instance showed its main window";

  const FileTimes timesAfter = SettingsTimes();
  EXPECT_TRUE(SameTime(timesAfter.access, timesBefore.access)) << "config.ini was read";
  EXPECT_TRUE(SameTime(timesAfter.write, timesBefore.write)) << "config.ini was written";
  Bytes settingsAfter;
  ASSERT_TRUE(ReadBytes(SettingsPath(), settingsAfter));
  EXPECT_EQ(settingsAfter, settingsBefore);
}

TEST_F(SingleInstance, FirstInstanceRunsOnUntouched) {
  HWND first = StartFirst();
  ASSERT_NE(first, nullptr);
  const FirstState before = StateOf(first);
  ASSERT_EQ(before.path, kFirstPath);

  RunningProgram second = StartAnother();
  HWND box = WaitForBoxOf(second);
  ASSERT_NE(box, nullptr);
  // While the warning shows, and after it is gone.
  EXPECT_TRUE(Answers(first));
  EXPECT_EQ(StateOf(first), before);
  PressDialogButton(box, IDOK);
  DWORD code = 1;
  ASSERT_TRUE(second.WaitForExit(10000, code));
  EXPECT_EQ(code, 0u);

  EXPECT_TRUE(program_.IsRunning());
  EXPECT_TRUE(Answers(first));
  EXPECT_EQ(StateOf(first), before);
  EXPECT_EQ(CloseAndWaitForExit(first), 0u);
}

TEST_F(SingleInstance, NewStartAfterTheFirstEndsRunsNormally) {
  HWND first = StartFirst();
  ASSERT_NE(first, nullptr);
  ASSERT_EQ(CloseAndWaitForExit(first), 0u);

  HWND again = Start();
  ASSERT_NE(again, nullptr) << "a start after the first ended did not come up";
  EXPECT_EQ(FindTopWindow(program_.id(), "#32770", true), nullptr);
  // And it holds the marker in its turn.
  RunningProgram third = StartAnother();
  HWND box = WaitForBoxOf(third);
  ASSERT_NE(box, nullptr);
  PressDialogButton(box, IDOK);
  DWORD code = 1;
  ASSERT_TRUE(third.WaitForExit(10000, code));
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(CloseAndWaitForExit(again), 0u);
}

TEST_F(SingleInstance, StormOfTwentyStartsLeavesOnlyTheFirst) {
  constexpr int kStarts = 20;
  HWND first = StartFirst();
  ASSERT_NE(first, nullptr);
  const FirstState before = StateOf(first);
  MainWindowWatch watch(program_.id());

  std::vector<std::unique_ptr<RunningProgram>> extras;
  for (int i = 0; i < kStarts; ++i) {
    extras.push_back(std::make_unique<RunningProgram>(StartAnother()));
    EXPECT_TRUE(extras.back()->started()) << "start " << i;
  }
  // Every box is answered first, then the exits are awaited, so that the extras end
  // side by side.
  for (int i = 0; i < kStarts; ++i) {
    SCOPED_TRACE(testing::Message() << "start " << i);
    if (HWND box = WaitForBoxOf(*extras[i])) {
      EXPECT_EQ(StaticTextsOf(box), std::vector<std::string>{kRunningWarning});
      PressDialogButton(box, IDOK);
    }
  }
  for (int i = 0; i < kStarts; ++i) {
    SCOPED_TRACE(testing::Message() << "start " << i);
    DWORD code = 1;
    EXPECT_TRUE(extras[i]->WaitForExit(10000, code)) << "still running";
    EXPECT_EQ(code, 0u);
  }
  EXPECT_FALSE(watch.Stop()) << "an extra start showed its main window";

  EXPECT_TRUE(program_.IsRunning());
  EXPECT_TRUE(Answers(first));
  EXPECT_EQ(StateOf(first), before);
  EXPECT_EQ(ProcessesNamed("diskkeeper.exe"), 1) << "processes were left behind";
  EXPECT_EQ(CloseAndWaitForExit(first), 0u);
}

}  // namespace
