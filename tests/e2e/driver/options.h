// Where the driver finds what it tests; set from its command line by main.
#pragma once

#include <string>

struct DriverOptions {
  std::string program;    // the program's executable (Windows path)
  std::string hostProbe;  // the host-layer test program (Windows path)
  std::string unixPrefix;   // the Wine prefix (Unix path): its dosdevices hold drive letters
  std::string unixScratch;  // a Unix folder for the cases' own disks
};

const DriverOptions& Options();
