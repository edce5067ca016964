// The two tray icons: the contents of res/tray_on.ico and res/tray_off.ico, built into
// the program as constant bytes when it is compiled.
#pragma once

#include "host/host.h"

extern const ByteSpan kTrayIconOn;   // the drive with its lamp lit green
extern const ByteSpan kTrayIconOff;  // the same drive with the lamp unlit
