// The main window's notification-area icon.
#include "host/win32_host.h"

void Win32Host::SetTrayIcon(ByteSpan, const Text&) {}

void Win32Host::RemoveTrayIcon() {}

void Win32Host::OnTaskbarCreated() {}
