// The desktop's top-level windows as data: the records an enumeration yields, the
// lists that hold them, the search of a window of one process, and the rules of the
// owned message box that does not need the Windows API. Nothing here includes windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "host/host.h"

// A window handle as the Windows API hands it out (an HWND).
using WindowHandle = void*;

// One top-level window. The record owns its texts: copying a record duplicates them.
struct TopWindowRecord {
  WindowHandle window = nullptr;
  std::uint32_t processId = 0;  // 0 when the window was gone before it could be asked
  std::uint32_t threadId = 0;
  Text title;      // at most 255 bytes
  Text className;  // at most 49 bytes
};

// Top-level windows in the order the enumeration reports them. A list owns its records;
// putting a record into another list copies it deeply, so no two lists share a text.
using TopWindowList = std::vector<TopWindowRecord>;

// Hands the records that an enumeration collected over to the caller: the caller's list
// is replaced by a copy of the collected records, in the same order, and the collected
// list is left empty for the next enumeration. Returns the number of records the
// caller's list now holds.
int TakeCollectedWindows(TopWindowList& collected, TopWindowList& callers);

// Whether the filter occurs in the text. ASCII letters compare without regard to case,
// wherever they stand (the second byte of a double-byte character too); every other byte
// compares exactly. A match may start only at a character start: a byte of 0x80 or above
// starts a double-byte character whose second byte never starts a match. An empty filter
// is found in any non-empty text and not in an empty one.
bool ContainsFilter(const Text& text, const Text& filter);

// The optional narrowing of a window search; a filter that is not passed accepts all.
struct WindowFilters {
  std::optional<Text> title;
  std::optional<Text> className;
};

// Whether the record passes every filter that was passed.
bool PassesFilters(const TopWindowRecord& record, const WindowFilters& filters);

// The first window of the list that belongs to the process, is visible and passes the
// filters; null when none does. Visibility is asked only of the process's own windows.
template <typename IsVisible>
WindowHandle PickProcessWindow(const TopWindowList& windows, std::uint32_t processId,
                               const WindowFilters& filters, IsVisible isVisible) {
  for (const TopWindowRecord& record : windows) {
    if (record.processId != processId || !isVisible(record.window)) continue;
    if (PassesFilters(record, filters)) return record.window;
  }
  return nullptr;
}

// The caption and flags of an owned message box, with the defaults for those that the
// caller did not pass: the caption "友情提醒" and the information icon with an OK button.
struct OwnedBoxLook {
  Text caption;
  unsigned flags = 0;
};
OwnedBoxLook ResolveOwnedBoxLook(const std::optional<unsigned>& flags,
                                 const std::optional<Text>& caption);

// What an owned message box returns for the result of the system's box: the pressed
// button's id minus 1 (OK 0, Cancel 1, ... No 6), and -1 when the box could not be shown
// (whatever value below 1 the system reports for that).
int OwnedBoxResult(int messageBoxResult);
