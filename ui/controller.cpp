#include "ui/controller.h"

#include "engine/folder_path.h"
#include "engine/settings.h"
#include "res/texts.h"

namespace {

constexpr unsigned kErrorBox = 0x10;  // error icon, one OK button

void ShowError(Host& host, const Text& message) {
  host.ShowMessageBox(message, kErrorBox, texts::kTitle);
}

// Writes "path" and then "run"; stops at the first write that fails, so that "run"
// never says on for a path that was not saved.
bool SaveRunningSettings(Host& host, const Text& path) {
  return WriteStoredPath(host, path) && WriteRunFlag(host, true);
}

void SetRunning(Host& host, bool on) {
  host.SetTimerPeriod(Control::时钟1, on ? kKeepAwakePeriod : 0);
  host.SetControlDisabled(Control::按钮2, on);
  host.SetControlDisabled(Control::按钮3, !on);
}

}  // namespace

void OnStartClicked(Host& host) {
  const Text path = host.GetControlText(Control::编辑框1);
  if (!CheckFolderPath(host, path)) {
    ShowError(host, texts::kFolderMissingPrefix + path + texts::kFolderMissingSuffix);
    return;
  }
  if (!SaveRunningSettings(host, path)) {
    ShowError(host,
              texts::kSettingsNotSavedPrefix + SettingsPath(host) + texts::kSettingsNotSavedSuffix);
    return;
  }
  SetRunning(host, true);
}

void OnStopClicked(Host& host) {
  WriteRunFlag(host, false);  // stopping never fails, saved or not
  SetRunning(host, false);
}

void OnMainWindowCreated(Host& host, Handler ensureSingleInstance) {
  if (ensureSingleInstance) ensureSingleInstance(host);
  host.SetControlText(Control::编辑框1, ReadStoredPath(host));
  if (!ReadRunFlag(host)) return;
  OnStartClicked(host);
  host.SetWindowState(kStateMinimised);
}
