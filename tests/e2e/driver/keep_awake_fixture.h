// Cases that switch keep-awake on and off on a disk mapped as drive E:, and drive the
// keep-awake timer by posting its timer message instead of waiting five minutes.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "tests/e2e/driver/drives.h"
#include "tests/e2e/driver/program_fixture.h"

class KeepAwakeTest : public ProgramTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A folder on the disk (created on the Windows side); returns its Windows path.
  std::string MakeDiskFolder(const std::string& relative);
  std::string DiskPath(const std::string& relative) const { return disk_->Root() + relative; }

  // What a user does: type into the path box, click a button.
  void TypePath(HWND main, const std::string& text);
  void Click(HWND main, MainChild button);
  // Starts the program, types the path and clicks the start button; the main window.
  HWND StartOn(const std::string& path);
  // The start button disabled: keep-awake is on.
  bool IsOn(HWND main) { return !IsWindowEnabled(Child(main, kStart)); }
  // Waits until the buttons show the state: on is start disabled and stop enabled.
  bool WaitForOn(HWND main, bool on);

  // Posts the keep-awake timer's message as its platform timer would, and returns once
  // the program has handled it.
  void Tick(HWND main, int count = 1);

  // A value in section "disk" of config.ini; `found` tells whether the key is there.
  std::string StoredValue(const std::string& key, bool* found = nullptr) const;
  // The settings file as the Unix side names it.
  std::string UnixSettingsPath() const;

  std::unique_ptr<MappedDrive> disk_;
};
