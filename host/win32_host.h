// The host on the real Windows API: it owns the main window, its controls and timers,
// the tray icon slot, the exit routine and the order of start-up and shutdown.
#pragma once

#include <windows.h>

#include <array>

#include "host/form.h"
#include "host/host.h"
#include "host/unique_handle.h"

// The message the notification area sends the main window about its icon.
inline constexpr UINT kTrayCallbackMessage = WM_APP + 100;

class Win32Host final : public Host {
 public:
  using ExitRoutine = void (*)();

  explicit Win32Host(HINSTANCE instance);
  Win32Host(const Win32Host&) = delete;
  Win32Host& operator=(const Win32Host&) = delete;

  // Start-up: the error mode, OLE, the code page's lead bytes, the program directory
  // (made current), the hidden message window.
  void InitHost();
  void RegisterExitRoutine(ExitRoutine routine);
  // Builds the window from the form and raises its first events; when the window cannot
  // be built, shows the error box and ends the process with -1.
  void LoadMainWindow(const Form& form);
  // Runs until the quit message; returns its code.
  int RunMessageLoop();
  // The common shutdown, then the end of the process with the code.
  [[noreturn]] void EndProcess(int code);

  Text GetProgramDirectory() override;
  Text ReadProfileString(const Text& file, const Text& section, const Text& key,
                         const Text& defaultValue) override;
  bool WriteProfileString(const Text& file, const Text& section, const Text& key,
                          const Text& value) override;
  bool PathExists(const Text& path) override;
  bool FolderExists(const Text& path) override;
  bool IsLeadByte(unsigned char byte) override;
  bool WriteFileBytes(const Text& path, ByteSpan bytes) override;
  bool CreateProbeFile(const Text& path) override;
  bool RemoveFile(const Text& path) override;
  int ShowMessageBox(const Text& text, unsigned flags, const Text& title) override;
  Text GetControlText(Control control) override;
  void SetControlText(Control control, const Text& text) override;
  bool IsControlDisabled(Control control) override;
  void SetControlDisabled(Control control, bool disabled) override;
  void SetTimerPeriod(Control timer, int milliseconds) override;
  int GetWindowState() override;
  void SetWindowState(int state) override;
  void SetWindowVisible(bool visible) override;
  void SetTrayIcon(ByteSpan icon, const Text& tip) override;
  void RemoveTrayIcon() override;
  [[noreturn]] void ExitProgram(int code) override;

 private:
  struct TimerSlot {
    Win32Host* host = nullptr;
    Handler handler = nullptr;
    HWND window = nullptr;
    int period = 0;
  };

  static LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam);
  static LRESULT CALLBACK TimerWindowProc(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam);
  LRESULT OnMainMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void ReadLeadBytes();
  bool RegisterWindowClasses();
  bool CreateMainWindow();
  bool CreateControls();
  HWND CreateControl(const ControlForm& control);
  void FitPathBoxToFont(HWND edit, const ControlForm& control);
  [[noreturn]] void FailLoading();
  void ShowFirstTime();
  void ApplyWindowState(int state);

  void Raise(Handler handler);
  void OnCommand(WPARAM wParam);
  void OnTrayCallback(LPARAM lParam);
  void OnTaskbarCreated();
  void KeepMainWindowReachable();
  void OnMainWindowDestroyed();
  void PaintBackground();
  void PaintLabel(const DRAWITEMSTRUCT& item);
  bool HandleWindowKey(const MSG& message);
  void MoveFocus(bool backward);
  void FocusFirstTabStop();

  const ControlForm* FindControl(Control id) const;
  HWND ControlWindow(Control id) const;

  HINSTANCE instance_;
  Form form_{};
  ExitRoutine exitRoutine_ = nullptr;
  Text programDirectory_;
  std::array<bool, 256> leadBytes_{};  // of the ANSI code page, read once at start-up
  bool oleInitialized_ = false;
  HWND messageWindow_ = nullptr;
  HWND mainWindow_ = nullptr;
  std::array<HWND, static_cast<int>(Control::Count)> controls_{};
  std::array<TimerSlot, static_cast<int>(Control::Count)> timers_{};
  UniqueIcon bigIcon_;
  UniqueIcon smallIcon_;
  UniqueIcon trayIcon_;  // the image the notification area shows, or none
  Text trayTip_;         // the tip shown with it
  UINT taskbarCreatedMessage_ = 0;
  int recordedState_ = kStateCentred;
  bool shownOnce_ = false;
  bool delivering_ = false;
  bool loopStarted_ = false;
  HWND lastFocus_ = nullptr;
};
