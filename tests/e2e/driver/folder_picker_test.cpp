// The browse button's folder dialog: how it opens, and what choosing or cancelling puts
// into the path box.
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/driver/program_fixture.h"
#include "tests/e2e/driver/tree_view.h"

namespace {

const char kBrowseTitle[] = "请选择读写路径";

std::wstring DesktopFolder() {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

// The path in the ANSI code page, as the program's path box holds it.
std::string Ansi(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(size, '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &bytes[0], size, nullptr, nullptr);
  bytes.resize(size - 1);
  return bytes;
}

// Folders (and files) on the desktop, where the dialog's tree starts; gone afterwards.
class DesktopEntries {
 public:
  ~DesktopEntries() {
    for (const std::wstring& path : folders_) RemoveDirectoryW(path.c_str());
    for (const std::wstring& path : files_) DeleteFileW(path.c_str());
  }
  std::wstring AddFolder(const std::wstring& name) {
    const std::wstring path = DesktopFolder() + L"\\" + name;
    CreateDirectoryW(path.c_str(), nullptr);
    folders_.push_back(path);
    return path;
  }
  void AddFile(const std::wstring& name) {
    const std::wstring path = DesktopFolder() + L"\\" + name;
    CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    files_.push_back(path);
  }

 private:
  std::vector<std::wstring> folders_;
  std::vector<std::wstring> files_;
};

class FolderPicker : public ProgramTest {
 protected:
  // Clicks the browse button without waiting for the click, which returns only when
  // the dialog closes, and waits for the dialog.
  HWND OpenDialog(HWND main) {
    PostMessageA(Child(main, kBrowse), BM_CLICK, 0, 0);
    HWND dialog = WaitForDialog();
    // Wait until the dialog has filled its tree.
    WaitUntil([&] { return IsWindowVisible(dialog) && TreeRoot(Tree(dialog)) != nullptr; }, 5000);
    return dialog;
  }
  static HWND Tree(HWND dialog) {
    return FindWindowExA(dialog, nullptr, "SysTreeView32", nullptr);
  }
  bool WaitClosed(HWND dialog) { return WaitUntil([&] { return !IsWindow(dialog); }, 5000); }
  static HWND VisibleChild(HWND dialog, const char* className) {
    for (HWND child : ChildWindows(dialog)) {
      if (ClassNameOf(child) == className && IsWindowVisible(child)) return child;
    }
    return nullptr;
  }
};

TEST_F(FolderPicker, OpensWithItsTitleWithoutOwnerOnTheDesktop) {
  DesktopEntries desktop;
  desktop.AddFile(L"picker_file.txt");
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  SendMessageA(Child(main, kPathBox), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>("C:\\windows\\"));  // not where the dialog opens

  HWND dialog = OpenDialog(main);
  ASSERT_NE(dialog, nullptr);
  const std::vector<std::string> texts = StaticTextsOf(dialog);
  EXPECT_NE(std::find(texts.begin(), texts.end(), kBrowseTitle), texts.end());
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
  EXPECT_EQ(GetParent(dialog), nullptr);
  EXPECT_TRUE(IsWindowEnabled(main));  // no owner: the main window stays usable

  // The newer kind: resizable, with a button for a new folder; no field for typing a
  // name, and folders only.
  EXPECT_TRUE(StyleOf(dialog) & WS_THICKFRAME);
  HWND tree = Tree(dialog);
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(VisibleChild(dialog, "Edit"), nullptr);
  int buttons = 0;
  for (HWND child : ChildWindows(dialog)) {
    buttons += ClassNameOf(child) == "Button" && IsWindowVisible(child);
  }
  EXPECT_EQ(buttons, 3);  // new folder, OK, Cancel
  for (const TreeItem& item : TreeChildren(tree, nullptr)) {
    EXPECT_NE(item.text, L"picker_file.txt");
  }
  // The tree starts at the desktop, selected, whatever the path box holds.
  EXPECT_EQ(TreeSelection(tree), TreeRoot(tree));

  PressDialogButton(dialog, IDCANCEL);
  EXPECT_TRUE(WaitClosed(dialog));
}

TEST_F(FolderPicker, CancelLeavesThePathBoxAsItWas) {
  HWND main = Start();
  ASSERT_NE(main, nullptr);
  for (const char* before : {"E:\\keep\\", ""}) {
    SCOPED_TRACE(before);
    SendMessageA(Child(main, kPathBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(before));
    HWND dialog = OpenDialog(main);
    ASSERT_NE(dialog, nullptr);
    PressDialogButton(dialog, IDCANCEL);
    ASSERT_TRUE(WaitClosed(dialog));
    Sleep(300);
    EXPECT_EQ(TextOf(Child(main, kPathBox)), before);
  }
}

TEST_F(FolderPicker, ChosenFolderGoesIntoThePathBoxEndingInABackslash) {
  // A name may end in a full-width space; the folder chosen is the folder used.
  const std::wstring names[] = {L"picked folder", L"picked\x3000"};
  DesktopEntries desktop;
  for (const std::wstring& name : names) desktop.AddFolder(name);
  HWND main = Start();
  ASSERT_NE(main, nullptr);

  for (const std::wstring& name : names) {
    SCOPED_TRACE(Ansi(name));
    HWND dialog = OpenDialog(main);
    ASSERT_NE(dialog, nullptr);
    HWND tree = Tree(dialog);
    HTREEITEM wanted = nullptr;
    for (const TreeItem& item : TreeChildren(tree, nullptr)) {
      if (item.text == name) wanted = item.handle;
    }
    ASSERT_NE(wanted, nullptr) << "the folder is not in the dialog's tree";
    ASSERT_TRUE(SelectTreeItem(tree, wanted));
    PressDialogButton(dialog, IDOK);
    ASSERT_TRUE(WaitClosed(dialog));
    const std::string expected = Ansi(DesktopFolder() + L"\\" + name + L"\\");
    EXPECT_TRUE(WaitUntil([&] { return TextOf(Child(main, kPathBox)) == expected; }, 3000))
        << TextOf(Child(main, kPathBox));
  }
}

}  // namespace
