// The window list's data rules: the filter search, the hand-over of collected records,
// the pick of a process's window, and the owned message box's defaults and results.
#include "host/window_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// ---- filter search ------------------------------------------------------------------

struct FilterCase {
  const char* what;
  std::string text;
  std::string filter;
  bool found;
};

// GBK: "\xb0\x41" is a double-byte character whose second byte is the letter 'A';
// "\xd6\xd0" is 中.
const FilterCase kFilterCases[] = {
    {"lower-case filter, upper-case title", "MY DISK TOOL", "disk", true},
    {"upper-case filter, lower-case title", "my disk tool", "DISK", true},
    {"mixed case on both sides", "Notepad++", "nOTEPAD", true},
    {"match at the very end", "abcXYZ", "xyz", true},
    {"filter longer than the text", "abc", "abcd", false},
    {"letters absent", "Quarbecks", "window", false},
    {"digits and punctuation compare exactly", "a-1", "a_1", false},
    {"bytes above ASCII compare exactly", "\xd6\xd0", "\xd6\xd1", false},
    {"letter only as a second byte is never a start", "\xb0\x41", "a", false},
    {"upper-case letter only as a second byte", "x\xb0\x41y", "Ay", false},
    {"second byte folds inside a match from a start", "\xb0\x41", "\xb0\x61", true},
    {"same letter found at a later character start", "\xb0\x41 A", "a", true},
    {"double-byte text found after ASCII", "abc\xd6\xd0", "c\xd6\xd0", true},
    {"match after several double-byte characters", "\xd6\xd0\xb0\x41z", "Z", true},
    {"lead byte at the end of the text", "ab\xb0", "\xb0", true},
    {"empty filter in a titled window", "any", "", true},
    {"empty filter in a double-byte title", "\xd6\xd0", "", true},
    {"empty filter in an empty text", "", "", false},
    {"absent text with a filter", std::string(), "a", false},
    {"absent text and absent filter", std::string(), std::string(), false},
};

TEST(WindowFilterSearch, FindsAtCharacterStartsIgnoringAsciiCase) {
  for (const FilterCase& c : kFilterCases) {
    EXPECT_EQ(ContainsFilter(c.text, c.filter), c.found) << c.what;
  }
}

// ---- collected records --------------------------------------------------------------

TopWindowRecord Record(std::uintptr_t window, std::uint32_t process, std::uint32_t thread,
                       const char* title, const char* className) {
  return TopWindowRecord{reinterpret_cast<WindowHandle>(window), process, thread, title,
                         className};
}

void ExpectRecord(const TopWindowRecord& actual, std::uintptr_t window, std::uint32_t process,
                  std::uint32_t thread, const char* title, const char* className) {
  EXPECT_EQ(actual.window, reinterpret_cast<WindowHandle>(window));
  EXPECT_EQ(actual.processId, process);
  EXPECT_EQ(actual.threadId, thread);
  EXPECT_EQ(actual.title, title);
  EXPECT_EQ(actual.className, className);
}

TEST(CollectedWindows, ReplaceTheCallersListInOrderAndLeaveTheCollectedListEmpty) {
  TopWindowList collected = {Record(0x10, 7, 70, "first", "A"),
                             Record(0x20, 8, 80, "second", "B"),
                             Record(0x30, 7, 71, "", "C")};
  TopWindowList callers = {Record(0x99, 1, 1, "stale", "old")};

  EXPECT_EQ(TakeCollectedWindows(collected, callers), 3);

  EXPECT_TRUE(collected.empty());
  ASSERT_EQ(callers.size(), 3u);
  ExpectRecord(callers[0], 0x10, 7, 70, "first", "A");
  ExpectRecord(callers[1], 0x20, 8, 80, "second", "B");
  ExpectRecord(callers[2], 0x30, 7, 71, "", "C");
}

TEST(CollectedWindows, EachHandOverStartsFromWhatWasCollectedSinceTheLast) {
  TopWindowList collected = {Record(0x10, 7, 70, "first", "A")};
  TopWindowList callers;
  TakeCollectedWindows(collected, callers);

  collected.push_back(Record(0x20, 8, 80, "second", "B"));
  EXPECT_EQ(TakeCollectedWindows(collected, callers), 1);
  ASSERT_EQ(callers.size(), 1u);
  ExpectRecord(callers[0], 0x20, 8, 80, "second", "B");

  EXPECT_EQ(TakeCollectedWindows(collected, callers), 0);  // nothing collected: empty
  EXPECT_TRUE(callers.empty());
}

TEST(CollectedWindows, TheCallersRecordsOutliveTheCollectedOnes) {
  // Texts longer than any short-string buffer, so that each lives in memory of its own;
  // the sanitized build reports a text that is shared, freed twice or never freed.
  const std::string longTitle(255, 'T');
  const std::string longClass(49, 'C');
  TopWindowList callers;
  {
    TopWindowList collected = {
        Record(0x10, 7, 70, longTitle.c_str(), longClass.c_str())};
    TakeCollectedWindows(collected, callers);
    collected.push_back(Record(0x20, 8, 80, "later", "B"));
  }
  ASSERT_EQ(callers.size(), 1u);
  ExpectRecord(callers[0], 0x10, 7, 70, longTitle.c_str(), longClass.c_str());
}

// ---- the pick of a process's window -------------------------------------------------

class ProcessWindowPick : public ::testing::Test {
 protected:
  static constexpr std::uint32_t kOwn = 500;
  static constexpr std::uint32_t kOther = 600;

  WindowHandle Pick(const WindowFilters& filters = {}) {
    asked.clear();
    return PickProcessWindow(windows, kOwn, filters, [this](WindowHandle window) {
      asked.push_back(window);
      for (WindowHandle v : visible) {
        if (v == window) return true;
      }
      return false;
    });
  }

  static WindowHandle W(std::uintptr_t value) { return reinterpret_cast<WindowHandle>(value); }

  TopWindowList windows = {
      Record(0x1, kOther, 1, "Main", "Other"),       // visible, another process
      Record(0x2, kOwn, 2, "", "HostMessageWindow"),  // hidden, untitled
      Record(0x3, kOwn, 2, "", "Untitled"),           // visible, untitled
      Record(0x4, kOwn, 2, "DISK KEEPER", "Quarbecks"),
      Record(0x5, kOwn, 3, "disk keeper 2", "Quarbecks"),
  };
  std::vector<WindowHandle> visible = {W(0x1), W(0x3), W(0x4), W(0x5)};
  std::vector<WindowHandle> asked;
};

TEST_F(ProcessWindowPick, TakesTheFirstVisibleWindowOfTheProcess) {
  EXPECT_EQ(Pick(), W(0x3));
  // Visibility is asked only of the process's own windows, up to the one picked.
  EXPECT_EQ(asked, (std::vector<WindowHandle>{W(0x2), W(0x3)}));
}

TEST_F(ProcessWindowPick, FiltersNarrowThePick) {
  struct Case {
    const char* what;
    WindowFilters filters;
    WindowHandle picked;
  };
  const Case cases[] = {
      {"a passed empty title rejects untitled windows", {Text(), std::nullopt}, W(0x4)},
      {"title in another case", {Text("keeper"), std::nullopt}, W(0x4)},
      {"title and class both have to match", {Text("2"), Text("quar")}, W(0x5)},
      {"class alone", {std::nullopt, Text("untitled")}, W(0x3)},
      {"a title of another process's window only", {Text("main"), std::nullopt}, nullptr},
      {"a class of a hidden window only", {std::nullopt, Text("HostMessage")}, nullptr},
  };
  for (const Case& c : cases) EXPECT_EQ(Pick(c.filters), c.picked) << c.what;
}

TEST_F(ProcessWindowPick, FindsNoneWhenTheProcessHasNoVisibleWindow) {
  visible = {W(0x1)};
  EXPECT_EQ(Pick(), nullptr);
  EXPECT_EQ(asked, (std::vector<WindowHandle>{W(0x2), W(0x3), W(0x4), W(0x5)}));
}

// ---- the owned message box ----------------------------------------------------------

TEST(OwnedBoxLook, DefaultsApplyOnlyToWhatWasNotPassed) {
  const OwnedBoxLook defaults = ResolveOwnedBoxLook(std::nullopt, std::nullopt);
  EXPECT_EQ(defaults.caption, "\xd3\xd1\xc7\xe9\xcc\xe1\xd0\xd1");  // 友情提醒 in GBK
  EXPECT_EQ(defaults.flags, 0x40u);

  const OwnedBoxLook passedEmpty = ResolveOwnedBoxLook(0u, Text());
  EXPECT_EQ(passedEmpty.caption, "");
  EXPECT_EQ(passedEmpty.flags, 0u);

  const OwnedBoxLook warning = ResolveOwnedBoxLook(0x30u, Text("caption:"));
  EXPECT_EQ(warning.caption, "caption:");
  EXPECT_EQ(warning.flags, 0x30u);  // no modality flag added
}

TEST(OwnedBoxResult, IsThePressedButtonsIdMinusOne) {
  struct Row {
    const char* button;
    int messageBoxResult;
    int returned;
  };
  const Row rows[] = {{"OK", 1, 0},    {"Cancel", 2, 1}, {"Abort", 3, 2},
                      {"Retry", 4, 3}, {"Ignore", 5, 4}, {"Yes", 6, 5},
                      {"No", 7, 6},    {"not shown", 0, -1},
                      {"not shown, as Wine reports it", -1, -1}};
  for (const Row& row : rows) EXPECT_EQ(OwnedBoxResult(row.messageBoxResult), row.returned)
      << row.button;
}

}  // namespace
