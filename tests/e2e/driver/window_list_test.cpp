// The top-level window list and the owned message box, run inside the driver on windows
// the driver makes itself, beside a running copy of the program.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "host/win32_window_list.h"
#include "tests/e2e/driver/message_boxes.h"
#include "tests/e2e/driver/options.h"
#include "tests/e2e/driver/program_fixture.h"

namespace {

constexpr char kCaseClass[] = "WindowListCase";
// 60 bytes.
constexpr char kLongClass[] = "WindowListClassNameOfSixtyBytes_abcdefghijklmnopqrstuvwxyz01";
static_assert(sizeof kLongClass - 1 == 60, "the long class name has 60 bytes");

const char kOwnedBoxCaption[] = "\xd3\xd1\xc7\xe9\xcc\xe1\xd0\xd1";  // 友情提醒

// A top-level window of the driver, gone at the end of the case.
class OwnWindow {
 public:
  OwnWindow(const char* className, const std::string& title, bool visible = true) {
    window_ = CreateWindowExA(0, className, title.c_str(), WS_OVERLAPPEDWINDOW, 100, 100, 300,
                              200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (visible) ShowWindow(window_, SW_SHOWNOACTIVATE);
  }
  OwnWindow(const OwnWindow&) = delete;
  OwnWindow& operator=(const OwnWindow&) = delete;
  ~OwnWindow() { DestroyWindow(window_); }
  HWND get() const { return window_; }
  // Puts the window in front of every other, so that enumerations report it first.
  void Raise() const {
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }

 private:
  HWND window_ = nullptr;
};

void RegisterCaseClass(const char* name) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);
}

// Every top-level window, in the order the system reports them.
std::vector<HWND> SystemWindowOrder() {
  std::vector<HWND> order;
  EnumWindows([](HWND window, LPARAM data) -> BOOL {
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&order));
  return order;
}

std::string Repeated(const std::string& piece, size_t bytes) {
  std::string text;
  while (text.size() < bytes) text += piece;
  return text.substr(0, bytes);
}

const TopWindowRecord* RecordOf(const TopWindowList& list, HWND window) {
  for (const TopWindowRecord& record : list) {
    if (record.window == window) return &record;
  }
  return nullptr;
}

class WindowList : public testing::Test {
 protected:
  void SetUp() override {
    RegisterCaseClass(kCaseClass);
    RegisterCaseClass(kLongClass);
    UseCollectedWindowList(&collected_);
  }
  void TearDown() override { UseCollectedWindowList(nullptr); }

  // Runs `show` (which opens a message box of this process) while a second thread looks
  // at the box and presses the button; returns what `show` returned.
  int ShowAndPress(const std::function<int()>& show, int button, SeenBox& seen) {
    std::atomic<bool> returned{false};
    std::thread presser([&] {
      HWND box = nullptr;
      if (!WaitUntil([&] {
            return returned || (box = FindTopWindow(GetCurrentProcessId(), "#32770", true));
          }, 10000) || !box) {
        return;
      }
      seen = LookAtBox(box);
      while (!returned) {
        PressDialogButton(box, button);
        Sleep(200);
      }
    });
    const int result = show();
    returned = true;
    presser.join();
    return result;
  }

  TopWindowList collected_;
};

TEST_F(WindowList, RecordsEveryTopWindowInSystemOrderWithCutTexts) {
  const std::string longTitle = Repeated("0123456789abcdefghijklmnopqrstuvwxyz", 300);
  const std::string chineseTitle = Repeated("\xd6\xd0\xce\xc4", 300);  // 中文 ..., 300 bytes
  OwnWindow titled(kCaseClass, longTitle);
  OwnWindow longClass(kLongClass, "short");
  OwnWindow chinese(kCaseClass, chineseTitle, false);
  const std::string folder = FreshCaseFolder(CurrentCaseName());
  RunningProgram program = RunningProgram::Start(CopyInto(Options().program, folder));
  HWND programWindow = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    return (programWindow = FindTopWindow(program.id(), "Quarbecks", true)) != nullptr;
  }));

  TopWindowList list = {TopWindowRecord{reinterpret_cast<WindowHandle>(0x1234), 1, 1, "stale",
                                        "stale"}};
  const int count = EnumerateTopWindows(list);
  const std::vector<HWND> order = SystemWindowOrder();

  EXPECT_TRUE(collected_.empty()) << "the collected-window list keeps records";
  EXPECT_EQ(count, static_cast<int>(list.size()));
  std::vector<HWND> listed;
  for (const TopWindowRecord& record : list) listed.push_back(static_cast<HWND>(record.window));
  EXPECT_EQ(listed, order) << "not every top-level window, or not in the system's order";

  const DWORD ownProcess = GetCurrentProcessId(), ownThread = GetCurrentThreadId();
  const TopWindowRecord* record = RecordOf(list, titled.get());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->processId, ownProcess);
  EXPECT_EQ(record->threadId, ownThread);
  EXPECT_EQ(record->title, longTitle.substr(0, 255));
  EXPECT_EQ(record->className, kCaseClass);

  record = RecordOf(list, longClass.get());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->title, "short");
  EXPECT_EQ(record->className, std::string(kLongClass).substr(0, 49));

  // A double-byte title is cut to at most 255 bytes too.
  record = RecordOf(list, chinese.get());
  ASSERT_NE(record, nullptr);
  EXPECT_LE(record->title.size(), 255u);
  EXPECT_GE(record->title.size(), 254u);
  EXPECT_EQ(record->title, chineseTitle.substr(0, record->title.size()));

  // Another process's window.
  record = RecordOf(list, programWindow);
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(record->processId, program.id());
  EXPECT_NE(record->threadId, 0u);
  EXPECT_NE(record->threadId, ownThread);
  EXPECT_EQ(record->title, "\xb3\xce\xd4\xc0\xd2\xc6\xb6\xaf\xd3\xb2\xc5\xcc\xb7\xb4\xd0\xdd\xc3\xdf");
  EXPECT_EQ(record->className, "Quarbecks");
}

TEST_F(WindowList, FindsTheFirstVisibleWindowOfAProcess) {
  OwnWindow alpha(kCaseClass, "Alpha DISK window");
  OwnWindow beta(kLongClass, "beta");
  OwnWindow hidden(kCaseClass, "hidden", false);
  const DWORD own = GetCurrentProcessId();

  alpha.Raise();
  EXPECT_EQ(FindProcessWindow(own), alpha.get());
  beta.Raise();
  EXPECT_EQ(FindProcessWindow(own), beta.get());
  hidden.Raise();
  EXPECT_EQ(FindProcessWindow(own), beta.get()) << "a hidden window counts";

  EXPECT_EQ(FindProcessWindow(own, Text("disk")), alpha.get());
  EXPECT_EQ(FindProcessWindow(own, std::nullopt, Text("windowlistcase")), alpha.get());
  EXPECT_EQ(FindProcessWindow(own, Text("hidden")), nullptr);
  EXPECT_EQ(FindProcessWindow(own, Text("beta"), Text("WindowListCase")), nullptr);

  ShowWindow(beta.get(), SW_SHOWMINNOACTIVE);
  beta.Raise();
  EXPECT_EQ(FindProcessWindow(own), beta.get()) << "a minimised window is visible";
  ShowWindow(beta.get(), SW_HIDE);
  EXPECT_EQ(FindProcessWindow(own), alpha.get());
  ShowWindow(alpha.get(), SW_HIDE);
  EXPECT_EQ(FindProcessWindow(own), nullptr);
  EXPECT_TRUE(collected_.empty());
}

TEST_F(WindowList, OwnedBoxTakesTheFirstVisibleWindowAndTheDefaults) {
  OwnWindow first(kCaseClass, "first");
  OwnWindow second(kCaseClass, "second");
  first.Raise();

  SeenBox seen;
  int result = ShowAndPress([] { return ShowOwnedMessageBox("plain"); }, IDOK, seen);
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(seen.owner, first.get());
  EXPECT_EQ(seen.caption, kOwnedBoxCaption);
  EXPECT_EQ(seen.texts, std::vector<std::string>{"plain"});
  EXPECT_EQ(seen.icon, BoxIcon::Information) << BoxIconName(seen.icon);

  second.Raise();
  seen = SeenBox{};
  result = ShowAndPress([] { return ShowOwnedMessageBox("ask", MB_OKCANCEL, Text("mine")); },
                        IDCANCEL, seen);
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(result, 1);
  EXPECT_EQ(seen.owner, second.get());
  EXPECT_EQ(seen.caption, "mine");
  EXPECT_EQ(seen.icon, BoxIcon::None) << BoxIconName(seen.icon);

  // An owner that is passed is taken as it is, no owner included.
  seen = SeenBox{};
  result = ShowAndPress([&] {
    return ShowOwnedMessageBox("given", MB_YESNO | MB_ICONWARNING, std::nullopt, first.get());
  }, IDNO, seen);
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(result, 6);
  EXPECT_EQ(seen.owner, first.get());
  EXPECT_EQ(seen.caption, kOwnedBoxCaption);
  EXPECT_EQ(seen.icon, BoxIcon::Warning) << BoxIconName(seen.icon);

  seen = SeenBox{};
  ShowAndPress([] { return ShowOwnedMessageBox("none", 0u, Text(""), HWND{nullptr}); }, IDOK,
               seen);
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.owner, nullptr);
  EXPECT_EQ(seen.caption, "");

  // Without a visible window of the process the box has no owner.
  ShowWindow(first.get(), SW_HIDE);
  ShowWindow(second.get(), SW_HIDE);
  seen = SeenBox{};
  ShowAndPress([] { return ShowOwnedMessageBox("alone"); }, IDOK, seen);
  ASSERT_TRUE(seen.shown);
  EXPECT_EQ(seen.owner, nullptr);
  EXPECT_TRUE(collected_.empty());
}

TEST_F(WindowList, OwnedBoxThatCannotBeShownReturnsMinusOne) {
  OwnWindow gone(kCaseClass, "gone");
  const HWND destroyed = gone.get();
  DestroyWindow(destroyed);
  SeenBox seen;
  const int result =
      ShowAndPress([&] { return ShowOwnedMessageBox("never", std::nullopt, std::nullopt,
                                                    destroyed); }, IDOK, seen);
  EXPECT_FALSE(seen.shown);
  EXPECT_EQ(result, -1);
}

}  // namespace
