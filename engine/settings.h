// The settings file: "config.ini" beside the executable, section "disk", keys "path"
// (the watched folder) and "run" (whether keep-awake was on at the last start or stop).
// Every access builds the file's path anew and goes through the host's profile service;
// nothing of the file is kept between accesses.
#pragma once

#include "host/host.h"

// The program directory, one backslash, "config.ini" ("E:\config.ini" for an
// executable in a drive root).
Text SettingsPath(Host& host);

// The stored folder; the empty text when the file, section or key is missing.
Text ReadStoredPath(Host& host);
// Whether "run" holds exactly "true" (byte for byte, case-sensitive).
bool ReadRunFlag(Host& host);

// Each returns whether the profile service could write the value.
bool WriteStoredPath(Host& host, const Text& path);
bool WriteRunFlag(Host& host, bool on);
