// Two rules on the text that names the watched folder. Paths are ANSI code page bytes;
// "the last character" is found by walking the text character by character, so the
// second byte of a double-byte character is never taken for a backslash.
#pragma once

#include "host/host.h"

// Whether the path names an existing folder (a drive root included, as "E:\" or "E:").
// One final backslash is dropped before the lookup; blanks are kept; a relative path
// is taken from the current directory. Empty paths and paths with the wildcard
// characters * or ? fail. Nothing is shown.
bool CheckFolderPath(Host& host, const Text& path);

// The path when its last character is a backslash, else the path and one backslash.
Text EnsureTrailingBackslash(Host& host, const Text& path);
