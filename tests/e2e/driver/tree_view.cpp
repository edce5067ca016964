#include "tests/e2e/driver/tree_view.h"

namespace {

// A piece of memory in the tree view's process, released with the object.
class RemoteMemory {
 public:
  RemoteMemory(HWND window, SIZE_T size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                           processId);
    if (process_) {
      address_ = static_cast<char*>(
          VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    }
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  ~RemoteMemory() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }

  char* address() const { return address_; }
  bool Write(SIZE_T offset, const void* data, SIZE_T size) {
    SIZE_T done = 0;
    return WriteProcessMemory(process_, address_ + offset, data, size, &done) && done == size;
  }
  bool Read(SIZE_T offset, void* data, SIZE_T size) {
    SIZE_T done = 0;
    return ReadProcessMemory(process_, address_ + offset, data, size, &done) && done == size;
  }

 private:
  HANDLE process_ = nullptr;
  char* address_ = nullptr;
};

constexpr SIZE_T kTextOffset = 512;
constexpr int kTextChars = 260;

std::wstring ItemText(HWND tree, HTREEITEM item, RemoteMemory& memory) {
  TVITEMW request{};
  request.mask = TVIF_TEXT | TVIF_HANDLE;
  request.hItem = item;
  request.pszText = reinterpret_cast<wchar_t*>(memory.address() + kTextOffset);
  request.cchTextMax = kTextChars;
  wchar_t text[kTextChars] = {};
  if (!memory.Write(0, &request, sizeof request)) return L"";
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(memory.address()));
  memory.Read(kTextOffset, text, sizeof text);
  text[kTextChars - 1] = L'\0';
  return text;
}

HTREEITEM NextItem(HWND tree, UINT relation, HTREEITEM item) {
  return reinterpret_cast<HTREEITEM>(
      SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

}  // namespace

HTREEITEM TreeRoot(HWND tree) { return NextItem(tree, TVGN_ROOT, nullptr); }
HTREEITEM TreeSelection(HWND tree) { return NextItem(tree, TVGN_CARET, nullptr); }

std::vector<TreeItem> TreeChildren(HWND tree, HTREEITEM parent) {
  if (!parent) parent = TreeRoot(tree);
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
  RemoteMemory memory(tree, kTextOffset + kTextChars * sizeof(wchar_t));
  std::vector<TreeItem> children;
  if (!memory.address()) return children;
  for (HTREEITEM item = NextItem(tree, TVGN_CHILD, parent); item;
       item = NextItem(tree, TVGN_NEXT, item)) {
    children.push_back({item, ItemText(tree, item, memory)});
  }
  return children;
}

bool SelectTreeItem(HWND tree, HTREEITEM item) {
  return SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
}
