// The main window's notification-area icon. The slot (trayIcon_) owns the image that the
// notification area shows; an image is destroyed once the notification area has been
// told to show another one or none.
#include "host/win32_host.h"

#include <shellapi.h>

#include <cstring>

#include "host/icon_file.h"
#include "host/tray_tip.h"

namespace {

constexpr UINT kTrayIconId = 100;
constexpr UINT kTrayIconFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
constexpr DWORD kIconFormatVersion = 0x30000;
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88,
              "the first form of the record is 88 bytes on 32-bit Windows");

// An icon from one image of an icon file, at the size its own bitmap header gives.
UniqueIcon MakeIconFromImage(ByteSpan image) {
  const IconImageHeader header = ReadIconImageHeader(image);
  auto* bits = const_cast<PBYTE>(image.data);
  const auto size = static_cast<DWORD>(image.size);
  HICON icon = CreateIconFromResourceEx(bits, size, TRUE, kIconFormatVersion, header.width,
                                        header.height / 2, LR_DEFAULTCOLOR);
  if (!icon && header.bitsPerPixel != 16) {
    icon = CreateIconFromResource(bits, size, TRUE, kIconFormatVersion);
  }
  return UniqueIcon(icon);
}

// The record in its first form (88 bytes on 32-bit Windows), naming the window's icon.
NOTIFYICONDATAA TrayRecord(HWND window, const Text& tip) {
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = window;
  record.uID = kTrayIconId;
  static_assert(sizeof record.szTip >= kTrayTipFieldSize);
  const auto field = MakeTrayTipField(tip);
  std::memcpy(record.szTip, field.data(), field.size());
  return record;
}

bool SendImage(DWORD request, NOTIFYICONDATAA record, HICON image) {
  record.uFlags = kTrayIconFlags;
  record.uCallbackMessage = kTrayCallbackMessage;
  record.hIcon = image;
  return Shell_NotifyIconA(request, &record) != FALSE;
}

// Shows the image under the window's icon id: changes the icon when the notification
// area is believed to hold it, else adds it. Should the area know better (it lost the
// icon, or still has one), the other request is tried. True when one was accepted.
bool ShowImage(const NOTIFYICONDATAA& record, HICON image, bool believedShown) {
  const DWORD first = believedShown ? NIM_MODIFY : NIM_ADD;
  const DWORD second = believedShown ? NIM_ADD : NIM_MODIFY;
  return SendImage(first, record, image) || SendImage(second, record, image);
}

}  // namespace

void Win32Host::SetTrayIcon(ByteSpan icon, const Text& tip) {
  UniqueIcon image = MakeIconFromFile<UniqueIcon>(icon, MakeIconFromImage);
  NOTIFYICONDATAA record = TrayRecord(mainWindow_, tip);
  bool shown = false;
  if (image) {
    shown = ShowImage(record, image.get(), static_cast<bool>(trayIcon_));
  } else if (trayIcon_) {
    Shell_NotifyIconA(NIM_DELETE, &record);
  }
  trayIcon_.reset(shown ? image.release() : nullptr);  // the previous image goes now
  trayTip_ = shown ? tip : Text();
  if (!shown) KeepMainWindowReachable();
}

void Win32Host::RemoveTrayIcon() {
  if (!trayIcon_) return;
  NOTIFYICONDATAA record = TrayRecord(mainWindow_, Text());
  Shell_NotifyIconA(NIM_DELETE, &record);
  trayIcon_.reset();
  trayTip_.clear();
}

// The notification area was made anew (the shell restarted) and has forgotten the icon.
void Win32Host::OnTaskbarCreated() {
  if (!trayIcon_) return;
  if (ShowImage(TrayRecord(mainWindow_, trayTip_), trayIcon_.get(), false)) return;
  trayIcon_.reset();
  trayTip_.clear();
  KeepMainWindowReachable();
}

// A window hidden in the tray without an icon there could never be brought back: it is
// shown again, still minimised, with its taskbar button.
void Win32Host::KeepMainWindowReachable() {
  if (mainWindow_ && !IsWindowVisible(mainWindow_) && IsIconic(mainWindow_)) {
    ShowWindow(mainWindow_, SW_SHOWMINNOACTIVE);
  }
}
