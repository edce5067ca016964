#include "tests/e2e/driver/process.h"

#include <utility>
#include <vector>

RunningProgram::RunningProgram(RunningProgram&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), id_(std::exchange(other.id_, 0)) {}

RunningProgram& RunningProgram::operator=(RunningProgram&& other) noexcept {
  if (this != &other) {
    Kill();
    process_ = std::exchange(other.process_, nullptr);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

RunningProgram::~RunningProgram() { Kill(); }

RunningProgram RunningProgram::Start(const std::string& exe, const std::string& arguments) {
  std::string commandLine = "\"" + exe + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  const std::string folder = exe.substr(0, exe.find_last_of('\\'));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  RunningProgram program;
  if (CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     folder.c_str(), &startup, &info)) {
    CloseHandle(info.hThread);
    program.process_ = info.hProcess;
    program.id_ = info.dwProcessId;
    WaitForInputIdle(info.hProcess, 5000);
  }
  return program;
}

bool RunningProgram::IsRunning() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool RunningProgram::WaitForExit(DWORD milliseconds, DWORD& exitCode) const {
  if (!process_ || WaitForSingleObject(process_, milliseconds) != WAIT_OBJECT_0) return false;
  return GetExitCodeProcess(process_, &exitCode) != FALSE;
}

void RunningProgram::Kill() {
  if (!process_) return;
  if (IsRunning()) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
  process_ = nullptr;
  id_ = 0;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= milliseconds) return false;
    Sleep(20);
  }
}
