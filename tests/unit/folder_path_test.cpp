// The folder check and the path form rule. The fake answers FolderExists for exactly the
// texts in its table, so each case shows the text the check looks up.
#include "engine/folder_path.h"

#include <gtest/gtest.h>

#include "tests/unit/fake_host.h"

namespace {

struct CheckCase {
  const char* path;
  const char* lookedUp;  // the one FolderExists argument expected; null: no lookup
  bool exists;           // whether the looked-up text names a folder
  bool passes;
};

// GBK: 運 is DF 5C, 誠 D5 5C, 錦 E5 5C, 衆 D0 5C (second byte a backslash); 中 is D6 D0
// (second byte in the lead-byte range).
const CheckCase kCheckCases[] = {
    {"E:\\backup\\", "E:\\backup", true, true},
    {"E:\\backup", "E:\\backup", true, true},
    {"E:\\backup\\", "E:\\backup", false, false},  // disk detached, folder gone
    {"E:\\backup\\\\", "E:\\backup\\", true, true},  // only one backslash is dropped
    {"E:\\My Backup \\", "E:\\My Backup ", true, true},  // blanks belong to the path
    {" E:\\backup", " E:\\backup", false, false},
    {"backup\\", "backup", true, true},  // relative: the host resolves it
    {"E:\\notes.txt", "E:\\notes.txt", false, false},  // a file is not a folder
    // Drive roots, in both forms.
    {"E:\\", "E:\\", true, true},
    {"E:", "E:\\", true, true},
    {"e:", "e:\\", true, true},
    {"E:\\", "E:\\", false, false},  // drive not attached
    // Nothing to look up.
    {"", nullptr, false, false},
    {"\\", nullptr, false, false},
    // Wildcards would match other names.
    {"E:\\ba*", nullptr, false, false},
    {"E:\\backu?\\", nullptr, false, false},
    {"E:\\*", nullptr, false, false},
    // A final 0x5C that is the second byte of a character is part of the name.
    {"D:\\運", "D:\\運", true, true},
    {"D:\\運\\", "D:\\運", true, true},
    {"D:\\誠", "D:\\誠", false, false},
    {"D:\\錦\\衆", "D:\\錦\\衆", true, true},
    {"運", "運", true, true},
    {"D:\\中\\", "D:\\中", true, true},  // D0 before the backslash is a second byte
    {"D:\\運a\\", "D:\\運a", true, true},
};

}  // namespace

TEST(CheckFolderPath, LooksUpTheNamedFolder) {
  for (const CheckCase& c : kCheckCases) {
    FakeHost host;
    if (c.exists) host.folders.insert(c.lookedUp);
    EXPECT_EQ(CheckFolderPath(host, c.path), c.passes) << c.path;
    std::vector<std::string> expected;
    if (c.lookedUp) expected.push_back(std::string("FolderExists(") + c.lookedUp + ")");
    EXPECT_EQ(host.Trace(), expected) << c.path;
  }
}

TEST(EnsureTrailingBackslash, AppendsOneUnlessTheLastCharacterIsOne) {
  const std::pair<const char*, const char*> cases[] = {
      {"E:\\backup", "E:\\backup\\"},
      {"E:\\backup\\", "E:\\backup\\"},
      {"E:\\backup\\\\", "E:\\backup\\\\"},
      {"E:\\", "E:\\"},
      {"E:", "E:\\"},
      {"D:\\運", "D:\\運\\"},
      {"D:\\誠", "D:\\誠\\"},
      {"D:\\錦", "D:\\錦\\"},
      {"D:\\衆", "D:\\衆\\"},
      {"D:\\運\\", "D:\\運\\"},
      {"D:\\中\\", "D:\\中\\"},
      {"D:\\中", "D:\\中\\"},
      {"D:\\\xdf", "D:\\\xdf\\"},  // a lead byte cut off at the end stands alone
  };
  for (const auto& [path, expected] : cases) {
    FakeHost host;
    EXPECT_EQ(EnsureTrailingBackslash(host, path), expected) << path;
  }
}
