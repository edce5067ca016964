#include "app/shell.h"

#include <memory>

#include "host/win32_window_list.h"
#include "ui/win32_folder_picker.h"

namespace {

// The list the window enumeration collects into; it lives from start-up to the exit
// routine and is empty between two enumerations.
std::unique_ptr<TopWindowList> collectedWindows;

}  // namespace

void InitTopWindowList() {
  collectedWindows = std::make_unique<TopWindowList>();
  UseCollectedWindowList(collectedWindows.get());
}

void OnProgramExit() {
  UseCollectedWindowList(nullptr);
  collectedWindows.reset();  // with whatever records it still holds
  ReleasePickerInitialFolder();
}
