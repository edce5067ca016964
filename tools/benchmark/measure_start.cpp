// Starts a GUI program several times and measures, for each start, the time until its
// first visible top-level window appears and the process's memory at that moment.
//   measure_start.exe PROGRAM.exe RUNS
// Prints one line per run: "ms working_set_kib private_kib".
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const std::string exe = argv[1];
  const int runs = std::atoi(argv[2]);
  const std::string folder = exe.substr(0, exe.find_last_of('\\'));
  for (int run = 0; run < runs; ++run) {
    std::vector<char> line(exe.begin(), exe.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    LARGE_INTEGER frequency, begin, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
      return 1;
    }
    Search search{info.dwProcessId, nullptr};
    while (!search.found) {
      EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
      if (!search.found) Sleep(1);
    }
    QueryPerformanceCounter(&now);
    Sleep(300);  // let it settle before reading its memory
    PROCESS_MEMORY_COUNTERS_EX memory{};
    GetProcessMemoryInfo(info.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    std::printf("%.1f %lu %lu\n",
                1000.0 * (now.QuadPart - begin.QuadPart) / frequency.QuadPart,
                static_cast<unsigned long>(memory.WorkingSetSize / 1024),
                static_cast<unsigned long>(memory.PrivateUsage / 1024));
    PostMessageA(search.found, WM_CLOSE, 0, 0);
    WaitForSingleObject(info.hProcess, 10000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  return 0;
}
