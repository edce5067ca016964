// Reading and steering a tree view of another process (the folder dialog's folder tree).
// Its item texts are read through memory lent in that process, since a tree view's
// messages carry pointers that are not passed between processes.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

struct TreeItem {
  HTREEITEM handle;
  std::wstring text;
};

// The root item and the children of an item (the root's when `parent` is null).
HTREEITEM TreeRoot(HWND tree);
HTREEITEM TreeSelection(HWND tree);
std::vector<TreeItem> TreeChildren(HWND tree, HTREEITEM parent);
bool SelectTreeItem(HWND tree, HTREEITEM item);
