// A small program on the real host layer, with forms of its own, that logs every event
// the host delivers into events.log beside the executable. The driver starts it to check
// the host's start-up order, event rules, keyboard handling, timers and ways out.
//
//   host_probe.exe normal | broken | exit-in-created | minimised | tray-without-image |
//                  error-mode
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "host/win32_host.h"

namespace {

Text g_logPath;
const char* g_mode = "normal";

void Log(const char* format, ...) {
  FILE* file = std::fopen(g_logPath.c_str(), "ab");
  if (!file) return;
  std::fprintf(file, "%lu ", static_cast<unsigned long>(GetTickCount()));
  va_list args;
  va_start(args, format);
  std::vfprintf(file, format, args);
  va_end(args);
  std::fputc('\n', file);
  std::fclose(file);
}

bool IsMode(const char* mode) { return std::strcmp(g_mode, mode) == 0; }

HWND ProbeWindow() { return FindWindowA("HostProbe", nullptr); }

void OnCreated(Host& host) {
  Log("created visible=%d", IsWindowVisible(ProbeWindow()) ? 1 : 0);
  if (IsMode("exit-in-created")) host.ExitProgram(0);
  if (IsMode("minimised")) host.SetWindowState(kStateMinimised);
  // The program reads its settings in this event; the error mode must be set by then.
  if (IsMode("error-mode")) Log("error-mode=0x%x", GetErrorMode());
}
void OnPositionChanged(Host& host) {
  const int state = host.GetWindowState();
  Log("position state=%d", state);
  // Into the tray with bytes that make no icon: the window must not stay hidden.
  if (IsMode("tray-without-image") && state == kStateMinimised) {
    host.SetWindowVisible(false);
    const unsigned char notAnIcon[] = {0, 0, 9, 0, 1, 0};
    host.SetTrayIcon(ByteSpan{notAnIcon, sizeof notAnIcon}, "probe");
    Log("tray set");
  }
}
void OnSizeChanged(Host&) { Log("size"); }
void OnTray(Host&, int operation) { Log("tray %d", operation); }
void OnDefaultClicked(Host& host) {
  Log("clicked default text=%s", host.GetControlText(Control::编辑框1).c_str());
}
void OnOtherClicked(Host&) { Log("clicked other"); }
void OnArmClicked(Host& host) {
  Log("arm");
  host.SetTimerPeriod(Control::时钟1, 1500);
}
void OnDisarmClicked(Host& host) {
  Log("disarm");
  host.SetTimerPeriod(Control::时钟1, -5);
}
void OnTick(Host&) { Log("tick"); }
void OnExitRoutine() { Log("exit-routine"); }

constexpr unsigned long kButton = WS_TABSTOP | BS_PUSHBUTTON;

const ControlForm kControls[] = {
    {Control::编辑框1, ControlKind::Edit, "Edit", 8, 8, 200, 20, "", WS_TABSTOP | ES_AUTOHSCROLL,
     WS_EX_CLIENTEDGE, true, {}, nullptr},
    {Control::按钮2, ControlKind::Button, "Button", 8, 40, 80, 24, "default",
     WS_TABSTOP | BS_DEFPUSHBUTTON, 0, true, {}, OnDefaultClicked},
    {Control::按钮3, ControlKind::Button, "Button", 96, 40, 80, 24, "other", kButton, 0, true, {},
     OnOtherClicked},
    {Control::按钮1, ControlKind::Button, "Button", 8, 72, 80, 24, "arm", kButton, 0, true, {},
     OnArmClicked},
    {Control::标签2, ControlKind::Button, "Button", 96, 72, 80, 24, "disarm", kButton, 0, true, {},
     OnDisarmClicked},
    {Control::时钟1, ControlKind::Timer, nullptr, 0, 0, 0, 0, "", 0, 0, false, {}, OnTick},
};

const ControlForm kBrokenControls[] = {
    {Control::编辑框1, ControlKind::Edit, "NoSuchWindowClass", 8, 8, 200, 20, "", 0, 0, true, {},
     nullptr},
};

Form ProbeForm() {
  Form form{};
  form.className = "HostProbe";
  form.title = "host probe";
  form.width = 300;
  form.height = 160;
  form.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  form.classStyle = CS_HREDRAW | CS_VREDRAW;
  form.visible = true;
  if (IsMode("broken")) {
    form.controls = kBrokenControls;
    form.controlCount = std::size(kBrokenControls);
  } else {
    form.controls = kControls;
    form.controlCount = std::size(kControls);
  }
  form.onCreated = OnCreated;
  form.onPositionChanged = OnPositionChanged;
  form.onSizeChanged = OnSizeChanged;
  form.onTrayEvent = OnTray;
  return form;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  if (commandLine && *commandLine) g_mode = commandLine;
  Win32Host host(instance);
  host.InitHost();
  g_logPath = host.GetProgramDirectory() + "\\events.log";
  host.RegisterExitRoutine(OnExitRoutine);
  host.LoadMainWindow(ProbeForm());
  host.EndProcess(host.RunMessageLoop());
}
