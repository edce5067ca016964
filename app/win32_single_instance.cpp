#include "app/single_instance.h"

#include <windows.h>

#include "host/unique_handle.h"
#include "host/win32_window_list.h"
#include "res/texts.h"

namespace {

constexpr DWORD kEventAllAccess = 0x1F0003;

// This instance's marker. It is never closed while the program runs: the event exists
// exactly as long as the process that created it.
UniqueKernelHandle instanceMarker;

}  // namespace

void EnsureSingleInstance(Host& host, const Text& eventName, int showMessage,
                          const std::optional<Text>& message, unsigned iconFlags) {
  const Text name = eventName.empty() ? Text(texts::kInstanceDefaultEventName) : eventName;
  // The handle to the other instance's event is left open: the process ends below.
  if (OpenEventA(kEventAllAccess, FALSE, name.c_str())) {
    if (showMessage != 0) {
      ShowOwnedMessageBox(message ? *message : Text(texts::kInstanceDefaultMessage), iconFlags,
                          Text(texts::kInstanceCaption));
    }
    host.ExitProgram(0);
  }
  instanceMarker.reset(CreateEventA(nullptr, FALSE, FALSE, name.c_str()));
}

void RunSingleInstanceGuard(Host& host) {
  EnsureSingleInstance(host, texts::kInstanceEventName, 1, Text(texts::kInstanceRunning), 0x30);
}
