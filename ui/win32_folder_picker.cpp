#include "ui/win32_folder_picker.h"

#include <shlobj.h>

#include <memory>

#include "engine/folder_path.h"
#include "res/texts.h"
#include "ui/picked_folder.h"

namespace {

// The folder the dialog selects when it opens: one for the whole process, replaced by
// every BrowseForFolder and read by the dialog's callback; absent when none was given.
std::unique_ptr<Text> g_initialFolder;

UINT BrowseFlags(const BrowseRequest& request) {
  UINT flags = 0;
  if (request.editBox) flags |= BIF_EDITBOX;
  if (request.newStyle) flags |= BIF_NEWDIALOGSTYLE;
  if (request.includeFiles) flags |= BIF_BROWSEINCLUDEFILES;
  return flags;
}

struct ItemListDeleter {
  void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};
using UniqueItemList = std::unique_ptr<ITEMIDLIST, ItemListDeleter>;

}  // namespace

Text BrowseForFolder(const BrowseRequest& request) {
  const Text title = request.title ? *request.title : Text(texts::kBrowseDefaultTitle);
  BROWSEINFOA description{};
  description.hwndOwner = request.owner;
  description.pidlRoot = nullptr;        // the tree starts at the desktop
  description.pszDisplayName = nullptr;  // the chosen item's display name is not wanted
  description.lpszTitle = title.c_str();
  description.ulFlags = BrowseFlags(request);
  description.lpfn = BrowseDialogCallback;
  description.lParam = 0;

  Text buffer(kPathBufferBlanks, ' ');  // and the string's own terminating zero byte
  g_initialFolder.reset(request.initialFolder ? new Text(*request.initialFolder) : nullptr);

  UniqueItemList chosen(SHBrowseForFolderA(&description));
  if (chosen) SHGetPathFromIDListA(chosen.get(), &buffer[0]);
  return PickedFolderFromBuffer(buffer);
}

int CALLBACK BrowseDialogCallback(HWND dialog, UINT message, LPARAM, LPARAM) {
  if (message == BFFM_INITIALIZED) {
    // Without an initial folder the path is null and the dialog keeps its own selection.
    const char* path = g_initialFolder ? g_initialFolder->c_str() : nullptr;
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path));
  }
  return 1;
}

void OnBrowseClicked(Host& host) {
  BrowseRequest request;
  request.title = texts::kBrowseTitle;
  const Text folder = BrowseForFolder(request);
  if (folder.empty()) return;  // cancelled: the path box keeps its text
  host.SetControlText(Control::编辑框1, EnsureTrailingBackslash(host, folder));
}

void ReleasePickerInitialFolder() { g_initialFolder.reset(); }
