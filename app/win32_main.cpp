// The program's entry: the start-up order, the message loop and the way out.
#include <windows.h>

#include "app/shell.h"
#include "app/single_instance.h"
#include "host/win32_host.h"
#include "ui/controller.h"
#include "ui/main_form.h"

namespace {

// The program's own start-up routine; there is nothing for it to do.
int StartupRoutine() { return 0; }

// The main window's created event: this instance must be the only one, then the
// controller's start-up steps.
void OnCreated(Host& host) { OnMainWindowCreated(host, RunSingleInstanceGuard); }

int ProgramEntry(Win32Host& host) {
  host.InitHost();
  InitTopWindowList();
  host.RegisterExitRoutine(OnProgramExit);
  StartupRoutine();
  host.LoadMainWindow(MakeMainForm(OnCreated));
  return host.RunMessageLoop();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  Win32Host host(instance);
  const int quitCode = ProgramEntry(host);
  host.EndProcess(quitCode);
}
