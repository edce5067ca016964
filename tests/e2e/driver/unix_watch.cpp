#include "tests/e2e/driver/unix_watch.h"

#include <sstream>

#include "tests/e2e/driver/drives.h"
#include "tests/e2e/driver/files.h"
#include "tests/e2e/driver/options.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/program_fixture.h"

namespace {

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

std::string ScratchFile(const std::string& name) {
  return Options().unixScratch + "/" + CurrentCaseName() + "-" + name;
}

Bytes ReadUnixFile(const std::string& unixPath) {
  Bytes bytes;
  ReadBytes(WindowsPathOfUnix(unixPath), bytes);
  return bytes;
}

std::vector<std::string> SplitLines(const Bytes& bytes) {
  std::vector<std::string> lines;
  std::istringstream in(bytes);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

}  // namespace

UnixWatcher::UnixWatcher(const std::string& name, const std::string& command,
                         const std::string& readyText)
    : log_(ScratchFile(name + ".log")), pidFile_(ScratchFile(name + ".pid")) {
  const std::string messages = ScratchFile(name + ".messages");
  std::string line = command;
  line.replace(line.find("LOG"), 3, Quoted(log_));
  RunUnixCommand("rm -f " + Quoted(log_) + " " + Quoted(messages) + "; " + line +
                 " </dev/null >/dev/null 2>" + Quoted(messages) + " & echo $! > " +
                 Quoted(pidFile_));
  ready_ = WaitUntil([&] { return ReadUnixFile(messages).find(readyText) != Bytes::npos; });
}

UnixWatcher::~UnixWatcher() {
  const Bytes pid = ReadUnixFile(pidFile_);
  if (!pid.empty()) RunUnixCommand("kill " + pid.substr(0, pid.find('\n')));
}

std::vector<std::string> UnixWatcher::Lines() const { return SplitLines(ReadUnixFile(log_)); }

FolderWatch::FolderWatch(const std::string& unixFolder)
    : UnixWatcher("inotify",
                  "inotifywait -m --format '%e %f' -o LOG " + Quoted(unixFolder),
                  "Watches established") {}

FlushTrace::FlushTrace(int unixPid)
    : UnixWatcher("strace",
                  "strace -f -y -e trace=fsync,fdatasync,syncfs,sync_file_range -o LOG -p " +
                      std::to_string(unixPid),
                  "attached") {}

int UnixPidOfProgram(const std::string& windowsExePath) {
  // The process's command line holds the Windows path. As a pattern, each backslash
  // matches any byte and the dot is bracketed, so that the shell running pgrep, whose
  // own command line holds the pattern, does not match it.
  std::string pattern;
  for (char c : windowsExePath) {
    if (c == '\\') {
      pattern += '.';
    } else if (c == '.') {
      pattern += "[.]";
    } else {
      pattern += c;
    }
  }
  const std::string out = ScratchFile("pid");
  RunUnixCommand("pgrep -n -f " + Quoted(pattern) + " > " + Quoted(out));
  const Bytes pid = ReadUnixFile(out);
  return pid.empty() ? 0 : std::stoi(pid);
}
