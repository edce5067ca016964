// A helper of the tick benchmark: steers the running program from outside and reads
// its resource counts.
//   tick_bench.exe start PATH   types PATH into the path box, clicks start, waits for on
//   tick_bench.exe post N       posts N keep-awake timer messages and waits until handled
//   tick_bench.exe stats        prints the program's handles, GDI objects, windows, memory
//   tick_bench.exe close        closes the main window and waits until the program ends
#include <windows.h>
#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

enum Child { kPathBox = 2, kStart = 4, kTimer = 6 };

HWND MainWindow() { return FindWindowA("Quarbecks", nullptr); }

HWND ChildAt(HWND main, int index) {
  HWND child = GetWindow(main, GW_CHILD);
  for (int i = 0; child && i < index; ++i) child = GetWindow(child, GW_HWNDNEXT);
  return child;
}

bool WaitFor(bool (*condition)(HWND), HWND window, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (!condition(window)) {
    if (GetTickCount() - start > milliseconds) return false;
    Sleep(5);
  }
  return true;
}

bool IsModified(HWND box) {
  DWORD_PTR modified = 0;
  SendMessageTimeoutA(box, EM_GETMODIFY, 0, 0, SMTO_NORMAL, 5000, &modified);
  return modified != 0;
}

bool IsDisabled(HWND button) { return !IsWindowEnabled(button); }

int Start(HWND main, const char* path) {
  SendMessageTimeoutA(ChildAt(main, kPathBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path),
                      SMTO_NORMAL, 5000, nullptr);
  HWND start = ChildAt(main, kStart);
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(start), BN_CLICKED),
               reinterpret_cast<LPARAM>(start));
  if (!WaitFor(IsDisabled, start, 10000)) {
    std::fprintf(stderr, "keep-awake did not come on for %s\n", path);
    return 1;
  }
  return 0;
}

// Posted messages run in order: the ticks have run once the mark posted after them has.
int Post(HWND main, int count) {
  HWND timer = ChildAt(main, kTimer);
  HWND box = ChildAt(main, kPathBox);
  const DWORD start = GetTickCount();
  constexpr int kChunk = 1000;
  for (int done = 0; done < count;) {
    const int chunk = count - done < kChunk ? count - done : kChunk;
    SendMessageTimeoutA(box, EM_SETMODIFY, FALSE, 0, SMTO_NORMAL, 5000, nullptr);
    for (int i = 0; i < chunk; ++i) PostMessageA(timer, WM_TIMER, 1000, 0);
    PostMessageA(box, EM_SETMODIFY, TRUE, 0);
    if (!WaitFor(IsModified, box, 600000)) {
      std::fprintf(stderr, "the program did not handle the ticks\n");
      return 1;
    }
    done += chunk;
  }
  std::printf("ticks=%d ms=%lu\n", count, GetTickCount() - start);
  return 0;
}

unsigned long HandleCount(DWORD processId) {
  std::vector<char> buffer(1 << 20);
  ULONG length = 0;
  if (NtQuerySystemInformation(SystemProcessInformation, buffer.data(),
                               static_cast<ULONG>(buffer.size()), &length) != 0) {
    return 0;
  }
  for (auto* entry = reinterpret_cast<SYSTEM_PROCESS_INFORMATION*>(buffer.data());;
       entry = reinterpret_cast<SYSTEM_PROCESS_INFORMATION*>(
           reinterpret_cast<char*>(entry) + entry->NextEntryOffset)) {
    if (static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(entry->UniqueProcessId)) == processId) {
      return entry->HandleCount;
    }
    if (!entry->NextEntryOffset) return 0;
  }
}

// GetGuiResources is not implemented by Wine; its GDI handle table, which the PEB
// points to, is read instead. An entry in use has a non-zero type.
long GdiObjectCount(HANDLE process) {
  struct Entry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 user;
  };
  constexpr std::size_t kEntries = 0x4000;
  constexpr std::size_t kGdiTableInPeb = sizeof(void*) == 8 ? 0xf8 : 0x94;
  PROCESS_BASIC_INFORMATION basic{};
  ULONG length = 0;
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                &length) != 0) {
    return -1;
  }
  ULONG_PTR table = 0;
  SIZE_T read = 0;
  if (!ReadProcessMemory(process, reinterpret_cast<char*>(basic.PebBaseAddress) + kGdiTableInPeb,
                         &table, sizeof table, &read) || !table) {
    return -1;
  }
  std::vector<Entry> entries(kEntries);
  if (!ReadProcessMemory(process, reinterpret_cast<void*>(table), entries.data(),
                         entries.size() * sizeof(Entry), &read)) {
    return -1;
  }
  long used = 0;
  for (const Entry& entry : entries) used += entry.type != 0;
  return used;
}

struct WindowSearch {
  DWORD processId;
  long count;
};

BOOL CALLBACK CountChild(HWND, LPARAM data) {
  ++reinterpret_cast<WindowSearch*>(data)->count;
  return TRUE;
}

BOOL CALLBACK CountTop(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId) {
    ++search->count;
    EnumChildWindows(window, CountChild, data);
  }
  return TRUE;
}

int Stats(HWND main) {
  DWORD processId = 0;
  GetWindowThreadProcessId(main, &processId);
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
  if (!process) return 1;
  WindowSearch windows{processId, 0};
  EnumWindows(CountTop, reinterpret_cast<LPARAM>(&windows));
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process, &memory, sizeof memory);
  std::printf("handles=%lu gdi_objects=%ld windows=%ld working_set_kb=%lu private_kb=%lu\n",
              HandleCount(processId), GdiObjectCount(process), windows.count,
              static_cast<unsigned long>(memory.WorkingSetSize / 1024),
              static_cast<unsigned long>(memory.PagefileUsage / 1024));
  CloseHandle(process);
  return 0;
}

int Close(HWND main) {
  DWORD processId = 0;
  GetWindowThreadProcessId(main, &processId);
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
  PostMessageA(main, WM_CLOSE, 0, 0);
  const bool ended = process && WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
  if (process) CloseHandle(process);
  return ended ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  HWND main = MainWindow();
  if (argc < 2 || !main) {
    std::fprintf(stderr, "usage: tick_bench start PATH | post N | stats | close\n");
    return 2;
  }
  if (!std::strcmp(argv[1], "start") && argc > 2) return Start(main, argv[2]);
  if (!std::strcmp(argv[1], "post") && argc > 2) return Post(main, std::atoi(argv[2]));
  if (!std::strcmp(argv[1], "stats")) return Stats(main);
  if (!std::strcmp(argv[1], "close")) return Close(main);
  return 2;
}
