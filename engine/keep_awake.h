// The keep-awake cycle: on each period of the keep-awake timer, make an empty probe
// file in the stored folder and delete it again, so that the disk sees a write.
#pragma once

#include "host/host.h"

// The keep-awake timer's handler. Reads the stored folder anew, checks it, and when it
// is usable creates "temp.tmp" there (written through to the device) and removes it.
// A tick that cannot do its work does nothing and reports nothing.
void OnKeepAwakeTick(Host& host);
