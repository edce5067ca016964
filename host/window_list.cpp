#include "host/window_list.h"

#include <utility>

#include "res/texts.h"

namespace {

constexpr unsigned kInformationIconOk = 0x40;

unsigned char FoldAsciiCase(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value >= 'A' && value <= 'Z' ? static_cast<unsigned char>(value - 'A' + 'a') : value;
}

bool StartsDoubleByteCharacter(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

bool MatchesAt(const Text& text, std::size_t start, const Text& filter) {
  if (filter.size() > text.size() - start) return false;
  for (std::size_t i = 0; i < filter.size(); ++i) {
    if (FoldAsciiCase(text[start + i]) != FoldAsciiCase(filter[i])) return false;
  }
  return true;
}

}  // namespace

int TakeCollectedWindows(TopWindowList& collected, TopWindowList& callers) {
  TopWindowList copy(collected);
  callers = std::move(copy);  // the caller's old records are released here
  collected.clear();
  return static_cast<int>(callers.size());
}

// An empty text has no character start, so not even an empty filter is found in it.
bool ContainsFilter(const Text& text, const Text& filter) {
  for (std::size_t start = 0; start < text.size();
       start += StartsDoubleByteCharacter(text[start]) ? 2 : 1) {
    if (MatchesAt(text, start, filter)) return true;
  }
  return false;
}

bool PassesFilters(const TopWindowRecord& record, const WindowFilters& filters) {
  if (filters.title && !ContainsFilter(record.title, *filters.title)) return false;
  if (filters.className && !ContainsFilter(record.className, *filters.className)) return false;
  return true;
}

OwnedBoxLook ResolveOwnedBoxLook(const std::optional<unsigned>& flags,
                                 const std::optional<Text>& caption) {
  OwnedBoxLook look;
  look.caption = caption ? *caption : Text(texts::kOwnedBoxDefaultCaption);
  look.flags = flags ? *flags : kInformationIconOk;
  return look;
}

int OwnedBoxResult(int messageBoxResult) {
  // The system reports a box it could not show with 0; Wine reports it with -1.
  return messageBoxResult > 0 ? messageBoxResult - 1 : -1;
}
