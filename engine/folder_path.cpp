#include "engine/folder_path.h"

namespace {

bool EndsInBackslash(Host& host, const Text& path) {
  if (path.empty()) return false;
  std::size_t lastStart = 0;
  for (std::size_t i = 0; i < path.size();) {
    lastStart = i;
    const bool doubleByte =
        host.IsLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < path.size();
    i += doubleByte ? 2 : 1;
  }
  return lastStart == path.size() - 1 && path.back() == '\\';
}

bool HasWildcard(const Text& path) { return path.find_first_of("*?") != Text::npos; }

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// "E:" alone names the drive's current directory; the root is what is meant.
Text DriveRootForm(const Text& path) {
  if (path.size() == 2 && path[1] == ':' && IsDriveLetter(path[0])) return path + "\\";
  return path;
}

}  // namespace

bool CheckFolderPath(Host& host, const Text& path) {
  if (HasWildcard(path)) return false;
  const Text lookup = EndsInBackslash(host, path) ? path.substr(0, path.size() - 1) : path;
  if (lookup.empty()) return false;
  return host.FolderExists(DriveRootForm(lookup));
}

Text EnsureTrailingBackslash(Host& host, const Text& path) {
  return EndsInBackslash(host, path) ? path : path + "\\";
}
