// The browse button's folder picker, on the shell's folder dialog.
#pragma once

#include <windows.h>

#include <optional>

#include "host/host.h"

// What BrowseForFolder is asked for; a field left as it is takes the routine's default.
struct BrowseRequest {
  std::optional<Text> title;          // above the folder tree; "请选择一个文件夹" when absent
  bool includeFiles = false;          // list files too
  std::optional<Text> initialFolder;  // selected when the dialog opens
  bool editBox = false;               // a field for typing a name
  bool newStyle = true;               // resizable, with a button for making a new folder
  HWND owner = nullptr;               // none: the dialog has no owner window
};

// Runs the folder dialog; the path of the chosen folder, or the empty text when the
// dialog was cancelled or the item chosen has no path in the file system.
Text BrowseForFolder(const BrowseRequest& request);

// The dialog's callback: selects the picker's initial folder when the dialog opens.
int CALLBACK BrowseDialogCallback(HWND dialog, UINT message, LPARAM parameter, LPARAM data);

// The browse button: the chosen folder, ending in a backslash, goes into the path box.
void OnBrowseClicked(Host& host);

// Releases the picker's initial folder; the program's exit routine calls it.
void ReleasePickerInitialFolder();
