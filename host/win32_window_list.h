// The desktop's top-level windows read through the Windows API, the lookup of a
// visible window of a process, and a message box owned by such a window.
#pragma once

#include <windows.h>

#include <optional>

#include "host/window_list.h"

// The list that the enumeration fills while it runs. The shell creates it at start-up
// and releases it at exit; it registers it here for that time (null: none registered,
// and an enumeration then finds nothing).
void UseCollectedWindowList(TopWindowList* list);

// The id of the process or the thread that created the window; 0 when that fails.
DWORD GetWindowProcessId(HWND window);
DWORD GetWindowThreadId(HWND window);
// The window's text, at most 255 bytes, and its class name, at most 49 bytes.
Text ReadWindowTitle(HWND window);
Text ReadWindowClassName(HWND window);
// Appends a record of the window to the collected-window list.
void CollectTopWindow(HWND window);
// Replaces the list with the desktop's top-level windows, in the system's order, and
// returns how many there are. The collected-window list is empty again afterwards.
int EnumerateTopWindows(TopWindowList& list);
// The first visible top-level window of the process that passes the filters that are
// passed (see ContainsFilter); null when there is none.
HWND FindProcessWindow(DWORD processId, const std::optional<Text>& titleFilter = std::nullopt,
                       const std::optional<Text>& classFilter = std::nullopt);

// A message box owned by the given window or, when no owner is passed, by the first
// visible top-level window of this process (none when there is no such window). Without
// a caption it says "友情提醒", without flags it shows the information icon and an OK
// button; the flags go to the system unchanged. Returns the pressed button's id minus 1,
// -1 when the box could not be shown.
int ShowOwnedMessageBox(const Text& message, const std::optional<unsigned>& flags = std::nullopt,
                        const std::optional<Text>& caption = std::nullopt,
                        const std::optional<HWND>& owner = std::nullopt);
