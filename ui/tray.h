// Minimise to the tray and back: the main window's position-changed and tray handlers.
#pragma once

#include "host/host.h"

// The image and the tip that tell in the tray whether keep-awake is on.
struct TrayPair {
  ByteSpan icon;
  const char* tip;
};

// Keep-awake is on exactly while the start button is disabled.
TrayPair PickTrayPair(bool startButtonDisabled);

// When the window has been minimised: hides it and shows the tray icon of the current
// running state instead. Any other move changes nothing.
void OnMainWindowPositionChanged(Host& host);

// A mouse button released over the tray icon: brings the window back in its normal
// state and removes the icon. Every kind of release does the same.
void OnTrayEvent(Host& host, int operation);
