// A program started by a case. It is ended when the owner goes away, so a failed case
// leaves no process behind.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class RunningProgram {
 public:
  RunningProgram() = default;
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;
  RunningProgram(RunningProgram&& other) noexcept;
  RunningProgram& operator=(RunningProgram&& other) noexcept;
  ~RunningProgram();

  // Starts the executable with the arguments, in its own folder.
  static RunningProgram Start(const std::string& exe, const std::string& arguments = "");

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return id_; }
  HANDLE handle() const { return process_; }
  bool IsRunning() const;
  // Waits for the process to end; true with its exit code when it did in time.
  bool WaitForExit(DWORD milliseconds, DWORD& exitCode) const;
  void Kill();

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// Polls the condition every 20 ms until it holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD milliseconds = 10000);
