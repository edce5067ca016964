#include "tests/e2e/driver/tray.h"

#include <cstring>

#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/windows.h"

namespace {

constexpr wchar_t kTrayClass[] = L"Shell_TrayWnd";
// Wine's own notification area: a window per icon, in a tray window of their own.
const char* const kWineTrayIconClasses[] = {"__winex11_tray_icon", "__wine_tray_icon"};

NOTIFYICONDATAA IconRecord(HWND owner) {
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = owner;
  record.uID = kTrayIconId;
  return record;
}

struct TrayIconSearch {
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTrayIcons(HWND window, LPARAM data) {
  const std::string name = ClassNameOf(window);
  for (const char* trayClass : kWineTrayIconClasses) {
    if (name == trayClass && IsWindowVisible(window)) {
      reinterpret_cast<TrayIconSearch*>(data)->found.push_back(window);
    }
  }
  EnumChildWindows(window, CollectTrayIcons, data);
  return TRUE;
}

std::vector<HWND> WineTrayIcons() {
  TrayIconSearch search;
  EnumWindows(CollectTrayIcons, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Looks at the icon's pixels on the screen: the drive's dark band shows that the icon is
// painted, and green pixels that its lamp is lit.
Lamp LampOf(HWND icon) {
  RECT area;
  GetWindowRect(icon, &area);
  HDC screen = GetDC(nullptr);
  int band = 0, green = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const COLORREF pixel = GetPixel(screen, x, y);
      const int r = GetRValue(pixel), g = GetGValue(pixel), b = GetBValue(pixel);
      if (r < 100 && g < 100 && b < 100) ++band;
      if (g > 150 && g > r + 60 && g > b + 60) ++green;
    }
  }
  ReleaseDC(nullptr, screen);
  if (band < 20) return Lamp::kNoIcon;
  return green >= 10 ? Lamp::kLit : Lamp::kUnlit;
}

}  // namespace

void PostTrayMouse(HWND owner, UINT mouseMessage) {
  PostMessageA(owner, kTrayCallbackMessage, kTrayIconId, mouseMessage);
}

bool TrayIconShown(HWND owner) {
  NOTIFYICONDATAA record = IconRecord(owner);
  return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

bool ForgetTrayIcon(HWND owner) {
  NOTIFYICONDATAA record = IconRecord(owner);
  return Shell_NotifyIconA(NIM_DELETE, &record) != FALSE;
}

Lamp TrayLamp() {
  for (HWND icon : WineTrayIcons()) {
    const Lamp lamp = LampOf(icon);
    if (lamp != Lamp::kNoIcon) return lamp;
  }
  return Lamp::kNoIcon;
}

const char* LampName(Lamp lamp) {
  switch (lamp) {
    case Lamp::kLit: return "lit";
    case Lamp::kUnlit: return "unlit";
    default: return "no icon";
  }
}

const char* TrayRequestName(DWORD message) {
  switch (message) {
    case NIM_ADD: return "NIM_ADD";
    case NIM_MODIFY: return "NIM_MODIFY";
    case NIM_DELETE: return "NIM_DELETE";
    default: return "other";
  }
}

// ---- the stand-in notification area ---------------------------------------------

bool FakeNotificationArea::Request::Holds(const std::wstring& text) const {
  const std::string bytes(reinterpret_cast<const char*>(text.data()),
                          text.size() * sizeof(wchar_t));
  return data.find(bytes) != std::string::npos;
}

FakeNotificationArea::FakeNotificationArea(bool accept) : accept_(accept) {
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  thread_ = std::thread([this, ready] { Run(ready); });
  WaitForSingleObject(ready, 5000);
  CloseHandle(ready);
}

FakeNotificationArea::~FakeNotificationArea() {
  PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
  thread_.join();
}

void FakeNotificationArea::Run(HANDLE ready) {
  threadId_ = GetCurrentThreadId();
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kTrayClass;
  RegisterClassW(&windowClass);
  // Top-most, so that a search by class finds it before the real notification area.
  window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kTrayClass, L"", WS_POPUP, 0, 0,
                            0, 0, nullptr, nullptr, windowClass.hInstance, this);
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists now
  SetEvent(ready);
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  DestroyWindow(window_);
  UnregisterClassW(kTrayClass, windowClass.hInstance);
}

LRESULT CALLBACK FakeNotificationArea::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(
        reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<FakeNotificationArea*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_COPYDATA && self) {
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    Request request{};
    request.message = static_cast<DWORD>(copy->dwData);
    request.data.assign(static_cast<const char*>(copy->lpData), copy->cbData);
    // The record starts with the owner window, the id, the flags and the callback.
    UINT head[4] = {};
    std::memcpy(head, copy->lpData, copy->cbData < sizeof head ? copy->cbData : sizeof head);
    request.owner = head[0];
    request.id = head[1];
    request.flags = head[2];
    request.callback = head[3];
    std::lock_guard<std::mutex> lock(self->mutex_);
    self->requests_.push_back(request);
    return self->accept_ ? TRUE : FALSE;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<FakeNotificationArea::Request> FakeNotificationArea::Requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

bool FakeNotificationArea::WaitForRequests(std::size_t count, DWORD milliseconds) const {
  return WaitUntil([&] { return Requests().size() >= count; }, milliseconds);
}
