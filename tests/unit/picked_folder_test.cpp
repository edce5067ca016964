// What the picker makes of the path buffer after the folder dialog: the folder exactly
// as chosen, without the buffer's blank fill.
#include "ui/picked_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The buffer as the dialog leaves it: the path and its zero byte written over the start
// of 512 blanks that end in a zero byte.
std::string BufferWith(const std::string& written) {
  std::string buffer(512, ' ');
  buffer += '\0';
  if (written.empty()) return buffer;
  buffer.replace(0, written.size() + 1, written + '\0');
  return buffer;
}

struct TrimCase {
  const char* name;
  std::string buffer;
  std::string expected;
};

const std::string kFullWidthSpace = "\xa1\xa1";
const std::string kUntouched = BufferWith("");

const TrimCase kTrimCases[] = {
    {"Folder", BufferWith("E:\\backup"), "E:\\backup"},
    {"DriveRoot", BufferWith("E:\\"), "E:\\"},
    {"UntouchedBufferIsEmpty", kUntouched, ""},
    {"EmptyPathWritten", std::string(1, '\0') + std::string(511, ' ') + '\0', ""},
    {"AsciiBlanksAtBothEndsGo", BufferWith("  E:\\backup  "), "E:\\backup"},
    {"BlanksInsideStay", BufferWith("E:\\my backup\\a b"), "E:\\my backup\\a b"},
    {"TrailingFullWidthSpaceStays", BufferWith("E:\\backup" + kFullWidthSpace),
     "E:\\backup" + kFullWidthSpace},
    {"LeadingFullWidthSpaceStays", BufferWith(kFullWidthSpace + "E:\\x"),
     kFullWidthSpace + "E:\\x"},
    {"FullWidthSpaceThenAsciiBlank", BufferWith("E:\\a" + kFullWidthSpace + " "),
     "E:\\a" + kFullWidthSpace},
    // A double-byte name whose second byte is 0xA1 before a full-width space.
    {"DoubleByteNameEndingInA1", BufferWith("E:\\\xb0\xa1" + kFullWidthSpace),
     "E:\\\xb0\xa1" + kFullWidthSpace},
    {"TabsAndLineBreaksStay", BufferWith("\tE:\\a\r\n"), "\tE:\\a\r\n"},
    {"TextAfterTheZeroByteIsIgnored", std::string("E:\\a\0E:\\b", 9), "E:\\a"},
};

class PickedFolder : public ::testing::TestWithParam<TrimCase> {};

TEST_P(PickedFolder, KeepsTheChosenFolderAndDropsTheBlankFill) {
  EXPECT_EQ(PickedFolderFromBuffer(GetParam().buffer), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Buffers, PickedFolder, ::testing::ValuesIn(kTrimCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
