// Disks for the cases: a drive letter of the Wine prefix that points at a Unix folder,
// the way a USB disk appears as E:. Removing the letter "detaches" the disk.
#pragma once

#include <string>

// Runs a shell command on the Unix side (Wine starts Unix programs too); true on exit 0.
bool RunUnixCommand(const std::string& command);
// The Windows form of a Unix path (Wine maps / to Z:).
std::string WindowsPathOfUnix(const std::string& unixPath);

class MappedDrive {
 public:
  // Maps the letter (e.g. 'e') to a fresh, empty Unix folder of its own.
  explicit MappedDrive(char letter);
  MappedDrive(const MappedDrive&) = delete;
  MappedDrive& operator=(const MappedDrive&) = delete;
  ~MappedDrive();  // unmaps the letter and removes the folder

  std::string Root() const;  // "E:\"
  const std::string& UnixFolder() const { return unixFolder_; }
  void Detach();
  void Attach();

 private:
  std::string LinkPath() const;
  char letter_;
  std::string unixFolder_;
};
