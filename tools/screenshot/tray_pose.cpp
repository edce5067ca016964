// Puts the running program's main window into the tray for a screenshot, with keep-awake
// switched on (watching C:\windows\) or off by its own buttons:   tray_pose.exe on|off
// A window already in the tray is brought back first.
#include <windows.h>

#include <cstring>

namespace {

constexpr UINT kTrayCallbackMessage = 0x8064;
// The main window's children: label, label, path box, browse, start, stop, timer.
constexpr int kPathBox = 2;
constexpr int kStartButton = 4;
constexpr int kStopButton = 5;

HWND Child(HWND main, int index) {
  HWND child = GetWindow(main, GW_CHILD);
  for (int i = 0; child && i < index; ++i) child = GetWindow(child, GW_HWNDNEXT);
  return child;
}

HWND FindMainWindow() {
  for (int i = 0; i < 200; ++i) {
    if (HWND main = FindWindowA("Quarbecks", nullptr)) return main;
    Sleep(50);
  }
  return nullptr;
}

bool WaitUntil(bool (*condition)(HWND), HWND main) {
  for (int i = 0; i < 300; ++i) {
    if (condition(main)) return true;
    Sleep(50);
  }
  return false;
}

bool Visible(HWND main) { return IsWindowVisible(main) != FALSE; }
bool Hidden(HWND main) { return !IsWindowVisible(main); }
bool On(HWND main) { return !IsWindowEnabled(Child(main, kStartButton)); }
bool Off(HWND main) { return IsWindowEnabled(Child(main, kStartButton)) != FALSE; }

void Click(HWND main, int index) {
  HWND button = Child(main, index);
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
               reinterpret_cast<LPARAM>(button));
}

}  // namespace

int main(int argc, char** argv) {
  const bool on = argc > 1 && std::strcmp(argv[1], "on") == 0;
  HWND main = FindMainWindow();
  if (!main) return 1;
  if (!IsWindowVisible(main)) {
    PostMessageA(main, kTrayCallbackMessage, 100, WM_LBUTTONUP);
    if (!WaitUntil(Visible, main)) return 2;
  }
  if (on && Off(main)) {
    SendMessageA(Child(main, kPathBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("C:\\windows\\"));
    Click(main, kStartButton);
  } else if (!on && On(main)) {
    Click(main, kStopButton);
  }
  if (!WaitUntil(on ? On : Off, main)) return 3;
  PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  return WaitUntil(Hidden, main) ? 0 : 4;
}
