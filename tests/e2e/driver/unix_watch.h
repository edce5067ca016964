// Watching the program from the Unix side: what happens in a folder (inotify) and which
// system calls the program's process makes (strace). Each watcher is a Unix process
// started in the background for one case and ended by its own id when the watcher goes.
#pragma once

#include <string>
#include <vector>

class UnixWatcher {
 public:
  UnixWatcher(const UnixWatcher&) = delete;
  UnixWatcher& operator=(const UnixWatcher&) = delete;
  ~UnixWatcher();

  // Whether the watcher came up (its ready line appeared in time).
  bool ready() const { return ready_; }
  // The lines it has written so far.
  std::vector<std::string> Lines() const;

 protected:
  // Runs the command in the background with its events going to the log file (the
  // command itself names it as LOG) and its messages to another file, and waits until
  // the messages hold readyText.
  UnixWatcher(const std::string& name, const std::string& command,
              const std::string& readyText);

 private:
  std::string log_;
  std::string pidFile_;
  bool ready_ = false;
};

// The events of one folder, one line each: "CREATE temp.tmp", "DELETE temp.tmp", ...
class FolderWatch : public UnixWatcher {
 public:
  explicit FolderWatch(const std::string& unixFolder);
};

// The file-flushing system calls of a process, with the path of each descriptor:
// fsync(15</tmp/.../temp.tmp>) = 0
class FlushTrace : public UnixWatcher {
 public:
  explicit FlushTrace(int unixPid);
};

// The Unix process id of the Wine process that runs the executable, 0 when none.
int UnixPidOfProgram(const std::string& windowsExePath);
