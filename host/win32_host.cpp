#include "host/win32_host.h"

#include <ole2.h>

#include <vector>

#include "res/texts.h"

namespace {

constexpr char kTimerClass[] = "HostTimer";
constexpr char kMessageWindowClass[] = "HostMessageWindow";
constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL
constexpr UINT_PTR kPlatformTimerId = 1000;

int IndexOf(Control id) { return static_cast<int>(id); }

Text ModuleFileName(HINSTANCE instance) {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameA(instance, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) return Text(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

Text WindowText(HWND window) {
  int length = GetWindowTextLengthA(window);
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  int copied = GetWindowTextA(window, buffer.data(), length + 1);
  return Text(buffer.data(), copied > 0 ? copied : 0);
}

}  // namespace

Win32Host::Win32Host(HINSTANCE instance) : instance_(instance) {}

void Win32Host::InitHost() {
  // A lookup on a drive whose disk is gone must fail quietly, not raise the system's
  // "no disk" or critical-error box; this holds for every file operation from here on.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
  ReadLeadBytes();
  Text module = ModuleFileName(instance_);
  programDirectory_ = module.substr(0, module.find_last_of('\\') == Text::npos
                                           ? 0
                                           : module.find_last_of('\\'));
  // "E:" alone would name the drive's current directory, not its root.
  SetCurrentDirectoryA((programDirectory_ + "\\").c_str());
  taskbarCreatedMessage_ = RegisterWindowMessageA("TaskbarCreated");

  WNDCLASSEXA messageClass{};
  messageClass.cbSize = sizeof messageClass;
  messageClass.lpfnWndProc = DefWindowProcA;
  messageClass.hInstance = instance_;
  messageClass.lpszClassName = kMessageWindowClass;
  RegisterClassExA(&messageClass);
  messageWindow_ = CreateWindowExA(WS_EX_TOOLWINDOW, kMessageWindowClass, "", WS_POPUP, 0, 0,
                                   0, 0, nullptr, nullptr, instance_, nullptr);
}

void Win32Host::RegisterExitRoutine(ExitRoutine routine) { exitRoutine_ = routine; }

// ---- loading the main window ------------------------------------------------------

void Win32Host::LoadMainWindow(const Form& form) {
  form_ = form;
  delivering_ = false;  // events raised while the window is built are dropped
  if (!RegisterWindowClasses() || !CreateMainWindow() || !CreateControls()) FailLoading();
  for (std::size_t i = 0; i < form_.controlCount; ++i) {
    const ControlForm& control = form_.controls[i];
    ShowWindow(ControlWindow(control.id), control.visible ? SW_SHOWNA : SW_HIDE);
  }
  delivering_ = true;

  Raise(form_.onCreated);
  if (!IsWindow(mainWindow_)) return;
  Raise(form_.onPositionChanged);
  if (!IsWindow(mainWindow_)) return;
  Raise(form_.onSizeChanged);
  if (!IsWindow(mainWindow_)) return;
  if (form_.visible) ShowFirstTime();
}

bool Win32Host::RegisterWindowClasses() {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (!GetClassInfoExA(instance_, form_.className, &existing)) {
    WNDCLASSEXA main{};
    main.cbSize = sizeof main;
    main.style = form_.classStyle;
    main.lpfnWndProc = MainWindowProc;
    main.hInstance = instance_;
    main.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    main.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    main.lpszClassName = form_.className;
    if (!RegisterClassExA(&main)) return false;
  }
  if (!GetClassInfoExA(instance_, kTimerClass, &existing)) {
    WNDCLASSEXA timer{};
    timer.cbSize = sizeof timer;
    timer.lpfnWndProc = TimerWindowProc;
    timer.hInstance = instance_;
    timer.lpszClassName = kTimerClass;
    if (!RegisterClassExA(&timer)) return false;
  }
  return true;
}

bool Win32Host::CreateMainWindow() {
  const int left = (GetSystemMetrics(SM_CXSCREEN) - form_.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - form_.height) / 2;
  // The window procedure takes the window as mainWindow_ at WM_NCCREATE.
  if (!CreateWindowExA(form_.exStyle, form_.className, form_.title, form_.style, left, top,
                       form_.width, form_.height, nullptr, nullptr, instance_, this)) {
    mainWindow_ = nullptr;
    return false;
  }

  RECT frame;
  GetWindowRect(mainWindow_, &frame);
  if (frame.right - frame.left != form_.width || frame.bottom - frame.top != form_.height) {
    SetWindowPos(mainWindow_, nullptr, 0, 0, form_.width, form_.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (form_.iconResource) {
    bigIcon_.reset(static_cast<HICON>(
        LoadImageA(instance_, MAKEINTRESOURCEA(form_.iconResource), IMAGE_ICON, 32, 32, 0)));
    smallIcon_.reset(static_cast<HICON>(
        LoadImageA(instance_, MAKEINTRESOURCEA(form_.iconResource), IMAGE_ICON, 16, 16, 0)));
    SendMessageA(mainWindow_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageA(mainWindow_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(smallIcon_.get()));
  }
  return true;
}

bool Win32Host::CreateControls() {
  for (std::size_t i = 0; i < form_.controlCount; ++i) {
    HWND window = CreateControl(form_.controls[i]);
    if (!window) return false;
    controls_[IndexOf(form_.controls[i].id)] = window;
  }
  return true;
}

HWND Win32Host::CreateControl(const ControlForm& control) {
  const int id = kFirstControlId + IndexOf(control.id);
  if (control.kind == ControlKind::Timer) {
    TimerSlot& slot = timers_[IndexOf(control.id)];
    slot = TimerSlot{this, control.onEvent, nullptr, 0};
    slot.window = CreateWindowExA(0, kTimerClass, "", WS_CHILD, 0, 0, 0, 0, mainWindow_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                                  &slot);
    return slot.window;
  }
  HWND window = CreateWindowExA(control.exStyle, control.className, control.text,
                                WS_CHILD | control.style, control.left, control.top,
                                control.width, control.height, mainWindow_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_,
                                nullptr);
  if (!window) return nullptr;
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  if (control.kind == ControlKind::Edit) {
    SendMessageA(window, EM_LIMITTEXT, 0, 0);
    SendMessageA(window, EM_SETSEL, 0, 0);
    FitPathBoxToFont(window, control);
  }
  return window;
}

void Win32Host::FitPathBoxToFont(HWND edit, const ControlForm& control) {
  HDC dc = GetDC(edit);
  HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(edit, dc);
  const int needed = metrics.tmHeight + 2 * GetSystemMetrics(SM_CYEDGE);
  if (needed > control.height) {
    SetWindowPos(edit, nullptr, 0, 0, control.width, needed,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Win32Host::FailLoading() {
  MessageBoxA(nullptr, texts::kLoadFailed, form_.title, MB_ICONERROR);
  exitRoutine_ = nullptr;  // the exit routine does not run after a failed load
  EndProcess(-1);
}

void Win32Host::ShowFirstTime() {
  shownOnce_ = true;
  switch (recordedState_) {
    case kStateMinimised: ShowWindow(mainWindow_, SW_SHOWMINIMIZED); break;
    case kStateMaximised: ShowWindow(mainWindow_, SW_SHOWMAXIMIZED); break;
    default: ShowWindow(mainWindow_, SW_SHOW); FocusFirstTabStop(); break;
  }
}

// ---- running and ending ----------------------------------------------------------

int Win32Host::RunMessageLoop() {
  loopStarted_ = true;
  if (!IsWindow(mainWindow_)) return 0;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (HandleWindowKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

void Win32Host::ExitProgram(int code) { EndProcess(code); }

void Win32Host::EndProcess(int code) {
  delivering_ = false;  // 1. no handler runs from here on
  form_ = Form{};       // 2. the form is released
  if (ExitRoutine routine = exitRoutine_) {  // 3. the exit routine, at most once
    exitRoutine_ = nullptr;
    routine();
  }
  bigIcon_.reset();  // 4. cached icons
  smallIcon_.reset();
  if (messageWindow_) DestroyWindow(messageWindow_);  // 5. the host's own window
  messageWindow_ = nullptr;
  if (oleInitialized_) OleUninitialize();  // 6.
  oleInitialized_ = false;
  ExitProcess(static_cast<UINT>(code));  // 7.
}

void Win32Host::Raise(Handler handler) {
  if (delivering_ && handler) handler(*this);
}

// ---- window procedures -------------------------------------------------------------

LRESULT CALLBACK Win32Host::MainWindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Win32Host*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->mainWindow_ = window;
  }
  auto* self = reinterpret_cast<Win32Host*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self || self->mainWindow_ != window) return DefWindowProcA(window, message, wParam, lParam);
  return self->OnMainMessage(message, wParam, lParam);
}

LRESULT Win32Host::OnMainMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = mainWindow_;
  switch (message) {
    case WM_MOVE: {
      LRESULT result = DefWindowProcA(window, message, wParam, lParam);
      Raise(form_.onPositionChanged);
      return result;
    }
    case WM_SIZE:
      Raise(form_.onSizeChanged);
      break;
    case WM_COMMAND:
      OnCommand(wParam);
      return 0;
    case WM_DRAWITEM:
      PaintLabel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the background
    case WM_PAINT:
      PaintBackground();
      return 0;
    case WM_CTLCOLOREDIT: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) lastFocus_ = GetFocus();
      break;
    case WM_SETFOCUS:
      if (lastFocus_ && IsChild(window, lastFocus_) && IsWindowEnabled(lastFocus_)) {
        SetFocus(lastFocus_);
      } else {
        FocusFirstTabStop();
      }
      return 0;
    case kTrayCallbackMessage:
      OnTrayCallback(lParam);
      return 0;
    case WM_DESTROY:
      OnMainWindowDestroyed();
      return 0;
    default:
      if (message == taskbarCreatedMessage_ && message != 0) {
        OnTaskbarCreated();
        return 0;
      }
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32Host::TimerWindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(
        reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
  }
  auto* slot = reinterpret_cast<TimerSlot*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_TIMER:
      if (slot) slot->host->Raise(slot->handler);
      return 0;
    case WM_DESTROY:
      KillTimer(window, kPlatformTimerId);
      if (slot) {
        slot->window = nullptr;
        slot->period = 0;
      }
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void Win32Host::OnCommand(WPARAM wParam) {
  if (HIWORD(wParam) != BN_CLICKED) return;
  const int index = static_cast<int>(LOWORD(wParam)) - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(Control::Count)) return;
  const ControlForm* control = FindControl(static_cast<Control>(index));
  if (!control || control->kind != ControlKind::Button) return;
  if (!IsWindowEnabled(ControlWindow(control->id))) return;  // a disabled button sends none
  Raise(control->onEvent);
}

void Win32Host::OnTrayCallback(LPARAM lParam) {
  int operation = 0;
  switch (static_cast<UINT>(lParam)) {
    case WM_LBUTTONUP: operation = 1; break;
    case WM_LBUTTONDBLCLK: operation = 2; break;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU: operation = 3; break;
    default: return;
  }
  if (delivering_ && form_.onTrayEvent) form_.onTrayEvent(*this, operation);
}

void Win32Host::OnMainWindowDestroyed() {
  RemoveTrayIcon();
  for (TimerSlot& slot : timers_) slot.window = nullptr;  // children go with the window
  controls_.fill(nullptr);
  mainWindow_ = nullptr;
  if (loopStarted_) PostQuitMessage(0);  // the last program window is gone
}

// ---- painting ----------------------------------------------------------------------

void Win32Host::PaintBackground() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(mainWindow_, &paint);
  FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
  EndPaint(mainWindow_, &paint);
}

void Win32Host::PaintLabel(const DRAWITEMSTRUCT& item) {
  const int index = static_cast<int>(item.CtlID) - kFirstControlId;
  if (index < 0 || index >= static_cast<int>(Control::Count)) return;
  const ControlForm* control = FindControl(static_cast<Control>(index));
  if (!control || control->kind != ControlKind::Label) return;

  RECT area = item.rcItem;
  FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
  UniqueFont ownFont;
  if (control->look.ownFontHeight) {
    ownFont.reset(CreateFontA(control->look.ownFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                              FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              PROOF_QUALITY, DEFAULT_PITCH | FF_DONTCARE, ""));
  }
  HGDIOBJ font = ownFont ? static_cast<HGDIOBJ>(ownFont.get()) : GetStockObject(DEFAULT_GUI_FONT);
  HGDIOBJ old = SelectObject(item.hDC, font);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, control->look.textColour);
  Text text = WindowText(item.hwndItem);
  DrawTextA(item.hDC, text.c_str(), -1, &area, control->look.drawFormat);
  SelectObject(item.hDC, old);
}

// ---- keyboard ----------------------------------------------------------------------

bool Win32Host::HandleWindowKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || !mainWindow_) return false;
  if (message.hwnd != mainWindow_ && !IsChild(mainWindow_, message.hwnd)) return false;
  switch (message.wParam) {
    case VK_TAB:
      MoveFocus(GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_RETURN:
      for (std::size_t i = 0; i < form_.controlCount; ++i) {
        const ControlForm& control = form_.controls[i];
        if (control.kind == ControlKind::Button && (control.style & BS_DEFPUSHBUTTON)) {
          SendMessageA(mainWindow_, WM_COMMAND,
                       MAKEWPARAM(kFirstControlId + IndexOf(control.id), BN_CLICKED),
                       reinterpret_cast<LPARAM>(ControlWindow(control.id)));
        }
      }
      return true;
    case VK_ESCAPE:
      return true;
    default:
      return false;
  }
}

void Win32Host::MoveFocus(bool backward) {
  std::vector<HWND> stops;
  for (std::size_t i = 0; i < form_.controlCount; ++i) {
    HWND window = ControlWindow(form_.controls[i].id);
    if ((form_.controls[i].style & WS_TABSTOP) && IsWindowEnabled(window) &&
        IsWindowVisible(window)) {
      stops.push_back(window);
    }
  }
  if (stops.empty()) return;
  const int count = static_cast<int>(stops.size());
  int current = -1;
  for (int i = 0; i < count; ++i) {
    if (stops[i] == GetFocus()) current = i;
  }
  int next = current < 0 ? 0 : (current + (backward ? count - 1 : 1)) % count;
  SetFocus(stops[next]);
  if (SendMessageA(stops[next], WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
    SendMessageA(stops[next], EM_SETSEL, 0, -1);
  }
}

void Win32Host::FocusFirstTabStop() {
  for (std::size_t i = 0; i < form_.controlCount; ++i) {
    HWND window = ControlWindow(form_.controls[i].id);
    if ((form_.controls[i].style & WS_TABSTOP) && IsWindowEnabled(window)) {
      SetFocus(window);
      return;
    }
  }
}

// ---- controls and window state ------------------------------------------------------

const ControlForm* Win32Host::FindControl(Control id) const {
  for (std::size_t i = 0; i < form_.controlCount; ++i) {
    if (form_.controls[i].id == id) return &form_.controls[i];
  }
  return nullptr;
}

HWND Win32Host::ControlWindow(Control id) const {
  const int index = IndexOf(id);
  return index >= 0 && index < static_cast<int>(Control::Count) ? controls_[index] : nullptr;
}

Text Win32Host::GetControlText(Control control) { return WindowText(ControlWindow(control)); }

void Win32Host::SetControlText(Control control, const Text& text) {
  SetWindowTextA(ControlWindow(control), text.c_str());
}

bool Win32Host::IsControlDisabled(Control control) {
  return !IsWindowEnabled(ControlWindow(control));
}

void Win32Host::SetControlDisabled(Control control, bool disabled) {
  EnableWindow(ControlWindow(control), disabled ? FALSE : TRUE);
}

void Win32Host::SetTimerPeriod(Control timer, int milliseconds) {
  TimerSlot& slot = timers_[IndexOf(timer)];
  if (!slot.window) return;
  if (milliseconds < 0) milliseconds = 0;
  if (milliseconds == slot.period) return;  // a running countdown is left alone
  slot.period = milliseconds;
  KillTimer(slot.window, kPlatformTimerId);
  if (milliseconds > 0) SetTimer(slot.window, kPlatformTimerId, milliseconds, nullptr);
}

int Win32Host::GetWindowState() {
  if (IsIconic(mainWindow_)) return kStateMinimised;
  if (IsZoomed(mainWindow_)) return kStateMaximised;
  return kStateNormal;
}

void Win32Host::SetWindowState(int state) {
  recordedState_ = state;
  if (mainWindow_ && IsWindowVisible(mainWindow_)) ApplyWindowState(state);
}

void Win32Host::ApplyWindowState(int state) {
  switch (state) {
    case kStateNormal: ShowWindow(mainWindow_, SW_SHOWNORMAL); break;
    case kStateCentred: {
      RECT frame;
      GetWindowRect(mainWindow_, &frame);
      const int width = frame.right - frame.left, height = frame.bottom - frame.top;
      SetWindowPos(mainWindow_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER);
      ShowWindow(mainWindow_, SW_SHOWNORMAL);
      break;
    }
    case kStateMinimised: ShowWindow(mainWindow_, SW_SHOWMINIMIZED); break;
    case kStateMaximised: ShowWindow(mainWindow_, SW_SHOWMAXIMIZED); break;
    default: break;
  }
}

void Win32Host::SetWindowVisible(bool visible) {
  if (!mainWindow_) return;
  if (!visible) {
    ShowWindow(mainWindow_, SW_HIDE);
  } else if (!shownOnce_) {
    ShowFirstTime();
  } else {
    ShowWindow(mainWindow_, SW_SHOW);
  }
}

// ---- message box -------------------------------------------------------------------

int Win32Host::ShowMessageBox(const Text& text, unsigned flags, const Text& title) {
  if (!(flags & MB_SYSTEMMODAL)) flags |= MB_TASKMODAL;
  return MessageBoxA(nullptr, text.c_str(), title.c_str(), flags) - 1;
}
