// The start/stop controller: switches keep-awake on and off, and resumes it at start-up
// when the settings say it was on. Keep-awake is on exactly when the start button is
// disabled; the buttons, the timer's period and "run" always change together.
#pragma once

#include "host/host.h"

// The period of the keep-awake timer while keep-awake is on: five minutes.
inline constexpr int kKeepAwakePeriod = 300000;

// Start button: checks the folder in the path box, stores it with "run" = "true", arms
// the timer and swaps the buttons. A missing folder, or settings that cannot be saved,
// refuse the start with a message box and change nothing else.
void OnStartClicked(Host& host);

// Stop button: stores "run" = "false", stops the timer and swaps the buttons back.
void OnStopClicked(Host& host);

// The main window has been created (still hidden). Runs the single-instance guard when
// one is given, fills the path box from the settings and, when "run" is "true", starts
// as the start button would and asks for the window to come up minimised.
void OnMainWindowCreated(Host& host, Handler ensureSingleInstance);
