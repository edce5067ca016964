// The end-to-end test driver: a Win32 console program that starts the real program
// under Wine and steers it from outside, as a user or another program would.
//   driver.exe --program=X --host-probe=Y --unix-prefix=P --unix-scratch=S [gtest flags]
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/e2e/driver/options.h"

namespace {
DriverOptions g_options;

bool TakeOption(const char* argument, const char* name, std::string& value) {
  const std::size_t length = std::strlen(name);
  if (std::strncmp(argument, name, length) != 0) return false;
  value = argument + length;
  return true;
}
}  // namespace

const DriverOptions& Options() { return g_options; }

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i) {
    TakeOption(argv[i], "--program=", g_options.program) ||
        TakeOption(argv[i], "--host-probe=", g_options.hostProbe) ||
        TakeOption(argv[i], "--unix-prefix=", g_options.unixPrefix) ||
        TakeOption(argv[i], "--unix-scratch=", g_options.unixScratch);
  }
  return RUN_ALL_TESTS();
}
