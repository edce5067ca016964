// Looking at other processes' windows from outside.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The first top-level window of the process with the class (any class when empty).
HWND FindTopWindow(DWORD processId, const std::string& className, bool visibleOnly = false);
std::vector<HWND> TopWindowsOf(DWORD processId);
// Direct children in their order (the order in which they were created).
std::vector<HWND> ChildWindows(HWND parent);
std::string ClassNameOf(HWND window);
// The window's text as raw bytes, read with WM_GETTEXT.
std::string TextOf(HWND window);
// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window);
LONG_PTR StyleOf(HWND window);
LONG_PTR ExStyleOf(HWND window);
// The texts of a dialog's (message box, folder dialog) Static children.
std::vector<std::string> StaticTextsOf(HWND dialog);
// Clicks a dialog's button with the given command id (IDOK, IDCANCEL, ...).
void PressDialogButton(HWND dialog, int commandId);
