#include "host/win32_window_list.h"

#include <cstring>

namespace {

constexpr int kTitleLength = 256;      // the system stores at most 255 bytes and a zero
constexpr int kClassNameLength = 50;   // at most 49 bytes and a zero

TopWindowList* collectedWindows = nullptr;  // owned by the shell

BOOL CALLBACK CollectEnumeratedWindow(HWND window, LPARAM) {
  CollectTopWindow(window);
  return TRUE;  // always on to the next window
}

// Fills a buffer of `length` spaces and a zero through `read`, and returns its bytes up
// to the first zero: the whole buffer when the system leaves it as it was.
template <int length, typename Read>
Text ReadIntoSpaces(Read read) {
  char buffer[length + 1];
  std::memset(buffer, ' ', length);
  buffer[length] = '\0';
  read(buffer, length);
  return Text(buffer, std::strlen(buffer));
}

}  // namespace

void UseCollectedWindowList(TopWindowList* list) { collectedWindows = list; }

DWORD GetWindowProcessId(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

DWORD GetWindowThreadId(HWND window) {
  DWORD scratch = 0;
  return GetWindowThreadProcessId(window, &scratch);
}

Text ReadWindowTitle(HWND window) {
  return ReadIntoSpaces<kTitleLength>(
      [window](char* buffer, int length) { GetWindowTextA(window, buffer, length); });
}

Text ReadWindowClassName(HWND window) {
  return ReadIntoSpaces<kClassNameLength>(
      [window](char* buffer, int length) { GetClassNameA(window, buffer, length); });
}

void CollectTopWindow(HWND window) {
  TopWindowRecord record;
  record.window = window;
  record.processId = GetWindowProcessId(window);
  record.threadId = GetWindowThreadId(window);
  record.title = ReadWindowTitle(window);
  record.className = ReadWindowClassName(window);
  if (collectedWindows) collectedWindows->push_back(record);
}

int EnumerateTopWindows(TopWindowList& list) {
  EnumWindows(CollectEnumeratedWindow, 0);
  TopWindowList none;
  return TakeCollectedWindows(collectedWindows ? *collectedWindows : none, list);
}

HWND FindProcessWindow(DWORD processId, const std::optional<Text>& titleFilter,
                       const std::optional<Text>& classFilter) {
  TopWindowList windows;
  EnumerateTopWindows(windows);
  const WindowHandle found =
      PickProcessWindow(windows, processId, WindowFilters{titleFilter, classFilter},
                        [](WindowHandle window) {
                          return IsWindowVisible(static_cast<HWND>(window)) != FALSE;
                        });
  return static_cast<HWND>(found);
}

int ShowOwnedMessageBox(const Text& message, const std::optional<unsigned>& flags,
                        const std::optional<Text>& caption, const std::optional<HWND>& owner) {
  const HWND ownerWindow = owner ? *owner : FindProcessWindow(GetCurrentProcessId());
  const OwnedBoxLook look = ResolveOwnedBoxLook(flags, caption);
  return OwnedBoxResult(
      MessageBoxA(ownerWindow, message.c_str(), look.caption.c_str(), look.flags));
}
