#include "app/shell.h"

#include "ui/win32_folder_picker.h"

void InitTopWindowList() {}

void OnProgramExit() { ReleasePickerInitialFolder(); }
