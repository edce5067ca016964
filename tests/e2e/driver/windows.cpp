#include "tests/e2e/driver/windows.h"

namespace {

struct TopSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTop(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<TopSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId) search->found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopWindowsOf(DWORD processId) {
  TopSearch search{processId, {}};
  EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindTopWindow(DWORD processId, const std::string& className, bool visibleOnly) {
  for (HWND window : TopWindowsOf(processId)) {
    if (!className.empty() && ClassNameOf(window) != className) continue;
    if (visibleOnly && !IsWindowVisible(window)) continue;
    return window;
  }
  return nullptr;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

std::string ClassNameOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]),
                      SMTO_ABORTIFHUNG, 2000, &copied);
  text.resize(copied);
  return text;
}

RECT RectInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }
LONG_PTR ExStyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_EXSTYLE); }

std::vector<std::string> StaticTextsOf(HWND dialog) {
  std::vector<std::string> texts;
  for (HWND child : ChildWindows(dialog)) {
    if (ClassNameOf(child) == "Static") {
      std::string text = TextOf(child);
      if (!text.empty()) texts.push_back(text);
    }
  }
  return texts;
}

void PressDialogButton(HWND dialog, int commandId) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(commandId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, commandId)));
}
