#include "tests/e2e/driver/drives.h"

#include <windows.h>

#include <cctype>
#include <vector>

#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/options.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/program_fixture.h"

namespace {
std::string Quoted(const std::string& text) { return "'" + text + "'"; }
}  // namespace

// Wine starts a Unix program without waiting for it, so the command writes its exit
// status into a marker file that the driver waits for.
bool RunUnixCommand(const std::string& command) {
  static int counter = 0;
  const std::string marker = Options().unixScratch + "/.done-" + std::to_string(++counter);
  std::string line = "/bin/sh -c \"(" + command + "); echo $? > " + Quoted(marker + ".tmp") +
                     " && mv " + Quoted(marker + ".tmp") + " " + Quoted(marker) + "\"";
  std::vector<char> buffer(line.begin(), line.end());
  buffer.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return false;
  }
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  const std::string windowsMarker = WindowsPathOfUnix(marker);
  Bytes status;
  if (!WaitUntil([&] { return ReadBytes(windowsMarker, status) && !status.empty(); }, 20000)) {
    return false;
  }
  DeleteFileA(windowsMarker.c_str());
  return status.compare(0, 1, "0") == 0;
}

std::string WindowsPathOfUnix(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

MappedDrive::MappedDrive(char letter)
    : letter_(static_cast<char>(std::tolower(static_cast<unsigned char>(letter)))),
      unixFolder_(Options().unixScratch + "/disk-" + letter_ + "-" + CurrentCaseName()) {
  RunUnixCommand("rm -rf " + Quoted(unixFolder_) + " && mkdir -p " + Quoted(unixFolder_));
  Attach();
}

MappedDrive::~MappedDrive() {
  Detach();
  RunUnixCommand("rm -rf " + Quoted(unixFolder_));
}

std::string MappedDrive::Root() const {
  return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(letter_)))) +
         ":\\";
}

std::string MappedDrive::LinkPath() const {
  return Options().unixPrefix + "/dosdevices/" + letter_ + ":";
}

void MappedDrive::Detach() { RunUnixCommand("rm -f " + Quoted(LinkPath())); }

void MappedDrive::Attach() {
  RunUnixCommand("ln -sfn " + Quoted(unixFolder_) + " " + Quoted(LinkPath()));
}
