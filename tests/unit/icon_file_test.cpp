// Choosing the image of an icon file that the tray icon is made from, on small crafted
// files, and the two passes of making the icon.
#include "host/icon_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Entry {
  int width;
  int colours;
  std::uint32_t size;          // the data size the directory claims
  std::uint32_t offset = 0;    // 0: right after the directory and earlier entries' data
  std::uint32_t stored = ~0u;  // bytes of data actually present; ~0: all of them
};

// An icon file: a 6-byte header, 16-byte entries, then each entry's data, filled with
// the entry's number so that a test can tell which data came back.
struct IconFile {
  int reserved = 0;
  int type = 1;
  std::vector<Entry> entries;
  std::optional<int> count;  // the count the header claims, when not the number of entries

  std::vector<unsigned char> bytes;
  std::vector<std::size_t> dataAt;

  IconFile& Build() {
    auto put16 = [&](std::uint32_t v) { bytes.push_back(v & 0xFF); bytes.push_back(v >> 8 & 0xFF); };
    auto put32 = [&](std::uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
    put16(reserved);
    put16(type);
    put16(count ? *count : static_cast<int>(entries.size()));
    std::size_t at = 6 + 16 * entries.size();
    for (const Entry& e : entries) {
      const std::uint32_t offset = e.offset ? e.offset : static_cast<std::uint32_t>(at);
      dataAt.push_back(offset);
      bytes.push_back(static_cast<unsigned char>(e.width));
      bytes.push_back(static_cast<unsigned char>(e.width));
      bytes.push_back(static_cast<unsigned char>(e.colours));
      bytes.push_back(0);
      put16(1);
      put16(32);
      put32(e.size);
      put32(offset);
      if (!e.offset) at += e.stored == ~0u ? e.size : e.stored;
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const Entry& e = entries[i];
      if (e.offset) continue;
      bytes.insert(bytes.end(), e.stored == ~0u ? e.size : e.stored,
                   static_cast<unsigned char>('A' + i));
    }
    return *this;
  }
  ByteSpan Span() const { return ByteSpan{bytes.data(), bytes.size()}; }
};

// Which entry's data came back: 'A' for the first, '-' for nothing.
char Chosen(const IconFile& file, int preferredWidth) {
  const auto entry = ChooseIconEntry(file.Span(), preferredWidth);
  if (!entry) return '-';
  return entry->size ? static_cast<char>(entry->data[0]) : '0';
}

struct ChoiceCase {
  const char* name;
  IconFile file;
  int preferredWidth;
  char expected;
};

class IconEntryChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(IconEntryChoice, TakesTheRightEntryOrNone) {
  ChoiceCase c = GetParam();
  c.file.Build();
  EXPECT_EQ(Chosen(c.file, c.preferredWidth), c.expected);
}

IconFile Make(int reserved, int type, std::vector<Entry> entries) {
  IconFile file;
  file.reserved = reserved;
  file.type = type;
  file.entries = std::move(entries);
  return file;
}

IconFile WithCount(IconFile file, int count) {
  file.count = count;
  return file;
}

const ChoiceCase kChoiceCases[] = {
    {"OneEntry", Make(0, 1, {{16, 0, 40}}), 16, 'A'},
    {"CursorFile", Make(0, 2, {{16, 0, 40}}), 16, 'A'},
    {"ReservedNotZero", Make(1, 1, {{16, 0, 40}}), 16, '-'},
    {"TypeZero", Make(0, 0, {{16, 0, 40}}), 16, '-'},
    {"TypeThree", Make(0, 3, {{16, 0, 40}}), 16, '-'},
    {"NoEntries", Make(0, 1, {}), 16, '-'},
    {"FirstSixteenPixelEntryWithEnoughColours",
     Make(0, 1, {{32, 16, 40}, {16, 8, 40}, {16, 16, 40}, {16, 255, 40}}), 16, 'C'},
    {"PreferredWidthThirtyTwo", Make(0, 1, {{16, 16, 40}, {32, 16, 40}, {48, 16, 40}}), 32,
     'B'},
    {"NoSixteenPixelEntryTakesTheLast", Make(0, 1, {{32, 16, 40}, {48, 16, 40}}), 16, 'B'},
    {"ColourCountZeroNeverQualifies", Make(0, 1, {{16, 0, 40}, {32, 0, 40}}), 16, 'B'},
    {"DataCutShort", Make(0, 1, {{16, 16, 40, 0, 39}}), 16, '-'},
    {"DataOffsetPastTheEnd", Make(0, 1, {{16, 16, 40, 5000}}), 16, '-'},
    {"OffsetAndSizeOverflowThirtyTwoBits", Make(0, 1, {{16, 16, 0x20, 0xFFFFFFF0u}}), 16,
     '-'},
    {"DirectoryLongerThanTheFile", WithCount(Make(0, 1, {{16, 16, 40}}), 9), 16, '-'},
    {"ShortDataOfAnotherEntryDoesNotMatter",
     Make(0, 1, {{16, 16, 40}, {32, 16, 40, 0, 10}}), 16, 'A'},
};

INSTANTIATE_TEST_SUITE_P(Files, IconEntryChoice, ::testing::ValuesIn(kChoiceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IconEntryChoiceEdges, FilesShorterThanTheirHeaderHaveNoEntry) {
  const unsigned char header[] = {0, 0, 1, 0, 1};
  EXPECT_FALSE(ChooseIconEntry(ByteSpan{header, sizeof header}, 16));
  EXPECT_FALSE(ChooseIconEntry(ByteSpan{}, 16));
}

// ---- the two passes --------------------------------------------------------------

// An image maker that succeeds only on the data of the listed entries and notes every
// entry it was handed.
struct FakeMaker {
  std::string accepted;
  std::string* tried;
  char operator()(ByteSpan data) const {
    const char entry = static_cast<char>(data.data[0]);
    *tried += entry;
    return accepted.find(entry) != std::string::npos ? entry : '\0';
  }
};

struct PassCase {
  const char* name;
  std::vector<Entry> entries;
  const char* accepted;  // entries whose data makes an image
  char expectedImage;    // '\0': none
  const char* expectedTries;
};

class IconPasses : public ::testing::TestWithParam<PassCase> {};

TEST_P(IconPasses, SecondPassPrefersThirtyTwoPixels) {
  const PassCase& c = GetParam();
  IconFile file = Make(0, 1, c.entries);
  file.Build();
  std::string tried;
  const char image = MakeIconFromFile<char>(file.Span(), FakeMaker{c.accepted, &tried});
  EXPECT_EQ(image, c.expectedImage);
  EXPECT_EQ(tried, c.expectedTries);
}

const PassCase kPassCases[] = {
    {"FirstPassSucceeds", {{16, 16, 40}, {32, 16, 40}}, "AB", 'A', "A"},
    {"FirstImageFailsSecondPassTakesThirtyTwo", {{16, 16, 40}, {32, 16, 40}}, "B", 'B',
     "AB"},
    {"BothFail", {{16, 16, 40}, {32, 16, 40}}, "", '\0', "AB"},
    {"UnreadableFirstChoiceSecondPassTakesThirtyTwo",
     {{32, 16, 40}, {8, 0, 40, 0, 10}}, "AB", 'A', "A"},
    {"SameEntryInBothPassesIsTriedTwice", {{16, 0, 40}}, "", '\0', "AA"},
};

INSTANTIATE_TEST_SUITE_P(Files, IconPasses, ::testing::ValuesIn(kPassCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IconImageHeaderRead, GivesWidthHeightAndBitsOrZeroWhenShort) {
  std::vector<unsigned char> header(40, 0);
  header[0] = 40;
  header[4] = 48;
  header[8] = 96;
  header[14] = 16;
  IconImageHeader read = ReadIconImageHeader(ByteSpan{header.data(), header.size()});
  EXPECT_EQ(read.width, 48);
  EXPECT_EQ(read.height, 96);
  EXPECT_EQ(read.bitsPerPixel, 16);

  read = ReadIconImageHeader(ByteSpan{header.data(), 10});
  EXPECT_EQ(read.width, 48);
  EXPECT_EQ(read.height, 0);
  EXPECT_EQ(read.bitsPerPixel, 0);
}

}  // namespace
