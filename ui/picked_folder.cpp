#include "ui/picked_folder.h"

Text PickedFolderFromBuffer(const Text& buffer) {
  const Text written = buffer.substr(0, buffer.find('\0'));
  // A blank is never the second byte of a double-byte character in the ANSI code pages
  // (their second bytes start at 0x40), so trimming it byte by byte cuts no character.
  const std::size_t first = written.find_first_not_of(' ');
  if (first == Text::npos) return Text();
  const std::size_t last = written.find_last_not_of(' ');
  return written.substr(first, last - first + 1);
}
