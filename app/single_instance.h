// One instance of the program per logon, marked by a named event.
#pragma once

#include <optional>

#include "host/host.h"

// Ends the process with exit code 0 when another instance holds the event of that name,
// after a warning box when showMessage is non-zero (the message, or a stock one when none
// is passed, with the icon flags); otherwise creates the event and keeps it for the life
// of the process. An empty name stands for a fixed default name.
void EnsureSingleInstance(Host& host, const Text& eventName, int showMessage = 0,
                          const std::optional<Text>& message = std::nullopt,
                          unsigned iconFlags = 0);

// The program's guard, run first when its main window has been created: warns with
// "澄岳硬盘反休眠已经运行！" and ends this instance when another one runs.
void RunSingleInstanceGuard(Host& host);
