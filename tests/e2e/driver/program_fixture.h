// A case that runs the real program from a fresh folder of its own.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/windows.h"

// The main window's children, in the order the window creates them.
enum MainChild { kDescription, kPathLabel, kPathBox, kBrowse, kStart, kStop, kTimer, kChildCount };

inline constexpr char kMainClass[] = "Quarbecks";

class ProgramTest : public testing::Test {
 protected:
  void SetUp() override;

  std::string SettingsPath() const { return folder_ + "\\config.ini"; }
  void WriteSettings(const Bytes& contents);
  // Starts the program and waits for its main window (visible, or merely created).
  HWND Start(bool waitForVisible = true);
  // The main window's child; fails the case when it is missing.
  HWND Child(HWND main, MainChild which);
  // A message box or dialog (#32770) of the program, once it shows.
  HWND WaitForDialog(DWORD milliseconds = 10000);
  // Closes the main window and returns the exit code (or ~0u-1 when it did not end).
  DWORD CloseAndWaitForExit(HWND main);

  std::string folder_;
  std::string exe_;
  RunningProgram program_;
};

// A case's name as a folder name: Suite.Case -> Suite_Case.
std::string CurrentCaseName();
