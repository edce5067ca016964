// The folder that the folder dialog wrote into the picker's path buffer.
#pragma once

#include <cstddef>

#include "host/host.h"

// The picker's path buffer holds this many blanks (0x20), then a zero byte, before the
// dialog writes into it.
inline constexpr std::size_t kPathBufferBlanks = 512;

// The text up to the buffer's first zero byte without the blanks (0x20) at its ends:
// the blanks of a buffer the dialog left untouched give the empty text. Nothing else is
// trimmed: a folder name may end in any other character, the double-byte full-width
// space included, and keeps it.
Text PickedFolderFromBuffer(const Text& buffer);
