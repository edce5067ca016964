// Puts the running program's main window into the tray for a screenshot, showing the
// icon of keep-awake on or off:   tray_pose.exe on|off
// A window already in the tray is brought back first. The tray reads the running state
// from the start button's disabled flag, which this sets directly.
#include <windows.h>

#include <cstring>

namespace {

constexpr UINT kTrayCallbackMessage = 0x8064;
constexpr int kStartButtonIndex = 4;  // label, label, path box, browse, start, stop, timer

HWND StartButton(HWND main) {
  HWND child = GetWindow(main, GW_CHILD);
  for (int i = 0; child && i < kStartButtonIndex; ++i) child = GetWindow(child, GW_HWNDNEXT);
  return child;
}

HWND FindMainWindow() {
  for (int i = 0; i < 200; ++i) {
    if (HWND main = FindWindowA("Quarbecks", nullptr)) return main;
    Sleep(50);
  }
  return nullptr;
}

bool WaitFor(HWND main, bool visible) {
  for (int i = 0; i < 200; ++i) {
    if ((IsWindowVisible(main) != FALSE) == visible) return true;
    Sleep(50);
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const bool on = argc > 1 && std::strcmp(argv[1], "on") == 0;
  HWND main = FindMainWindow();
  if (!main) return 1;
  if (!IsWindowVisible(main)) {
    PostMessageA(main, kTrayCallbackMessage, 100, WM_LBUTTONUP);
    if (!WaitFor(main, true)) return 2;
  }
  EnableWindow(StartButton(main), on ? FALSE : TRUE);
  PostMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  return WaitFor(main, false) ? 0 : 3;
}
