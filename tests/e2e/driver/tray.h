// The notification area as the cases see it: whether a window's icon is there and what
// its lamp looks like on the screen, and a stand-in notification area that records the
// program's requests and can refuse them.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

inline constexpr UINT kTrayIconId = 100;
inline constexpr UINT kTrayCallbackMessage = 0x8064;

// What the notification area does for the owner's icon when the mouse acts on it.
void PostTrayMouse(HWND owner, UINT mouseMessage);

// Whether the notification area holds an icon of the window with the program's id.
// Asks it to change nothing about that icon, which only succeeds while it is there.
bool TrayIconShown(HWND owner);
// Takes the window's icon out of the notification area, as a restarted shell would.
bool ForgetTrayIcon(HWND owner);

// How the tray icon's lamp looks on the screen (Wine's own notification area).
enum class Lamp { kNoIcon, kLit, kUnlit };
Lamp TrayLamp();
const char* LampName(Lamp lamp);

// A window of the notification area's class, found before the real one, so that the
// program's requests come here. It answers every request with `accept`.
class FakeNotificationArea {
 public:
  struct Request {
    DWORD message;  // NIM_ADD, NIM_MODIFY, NIM_DELETE
    UINT owner;
    UINT id;
    UINT flags;
    UINT callback;
    std::string data;  // the whole record as the system passes it on
    // Whether the record carries the text (as UTF-16, the way the system passes it on).
    bool Holds(const std::wstring& text) const;
  };

  explicit FakeNotificationArea(bool accept);
  FakeNotificationArea(const FakeNotificationArea&) = delete;
  FakeNotificationArea& operator=(const FakeNotificationArea&) = delete;
  ~FakeNotificationArea();

  std::vector<Request> Requests() const;
  bool WaitForRequests(std::size_t count, DWORD milliseconds = 10000) const;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Run(HANDLE ready);

  bool accept_;
  HWND window_ = nullptr;
  DWORD threadId_ = 0;
  std::thread thread_;
  mutable std::mutex mutex_;
  std::vector<Request> requests_;
};

// The text of NIM_ADD and friends, for messages.
const char* TrayRequestName(DWORD message);
