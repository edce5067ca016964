// One keep-awake tick: the calls it makes and what it leaves in the folder.
#include "engine/keep_awake.h"

#include <gtest/gtest.h>

#include "tests/unit/fake_host.h"

namespace {

using Trace = std::vector<std::string>;

const char kSettings[] = "C:\\prog\\config.ini";
const char kReadPath[] = "ReadProfileString(C:\\prog\\config.ini, disk, path, )";

class KeepAwakeTick : public ::testing::Test {
 protected:
  // A folder on the disk, the stored path naming it, and a different folder in the
  // path box, which the tick must not look at.
  void Store(const Text& path) { host.Profile(kSettings, "disk", "path") = path; }
  void SetUp() override {
    host.folders = {"E:\\backup", "E:\\", "D:\\運", "F:\\elsewhere"};
    host.ControlText(Control::编辑框1) = "F:\\elsewhere";
  }
  FakeHost host;
};

}  // namespace

TEST_F(KeepAwakeTick, MakesAndRemovesTheProbeInTheStoredFolder) {
  struct Case {
    const char* stored;
    const char* lookedUp;
    const char* probe;
  };
  const Case cases[] = {
      {"E:\\backup", "E:\\backup", "E:\\backup\\temp.tmp"},
      {"E:\\backup\\", "E:\\backup", "E:\\backup\\temp.tmp"},
      {"E:\\", "E:\\", "E:\\temp.tmp"},
      {"E:", "E:\\", "E:\\temp.tmp"},
      {"D:\\運", "D:\\運", "D:\\運\\temp.tmp"},  // 運 ends in the byte 5C
  };
  for (const Case& c : cases) {
    host.ClearTrace();
    Store(c.stored);
    OnKeepAwakeTick(host);
    const std::string probe = c.probe;
    EXPECT_EQ(host.Trace(), (Trace{kReadPath, std::string("FolderExists(") + c.lookedUp + ")",
                                   "CreateProbeFile(" + probe + ")", "RemoveFile(" + probe + ")"}))
        << c.stored;
    EXPECT_TRUE(host.files.empty()) << c.stored;
  }
}

TEST_F(KeepAwakeTick, DoesNothingWhenTheCheckFails) {
  const std::pair<const char*, Trace> cases[] = {
      {nullptr, {kReadPath}},  // no settings
      {"", {kReadPath}},
      {"G:\\gone", {kReadPath, "FolderExists(G:\\gone)"}},  // disk detached
      {"E:\\back*", {kReadPath}},
  };
  for (const auto& [stored, expected] : cases) {
    FakeHost fresh;
    fresh.folders = host.folders;
    if (stored) fresh.Profile(kSettings, "disk", "path") = stored;
    OnKeepAwakeTick(fresh);
    EXPECT_EQ(fresh.Trace(), expected) << (stored ? stored : "(no settings)");
    EXPECT_TRUE(fresh.messageBoxes.empty());
  }
}

TEST_F(KeepAwakeTick, LeavesAUsersOwnProbeNamedFileAlone) {
  Store("E:\\backup\\");
  host.files["E:\\backup\\temp.tmp"] = "the user's notes";
  OnKeepAwakeTick(host);
  EXPECT_EQ(host.Trace(), (Trace{kReadPath, "FolderExists(E:\\backup)",
                                 "CreateProbeFile(E:\\backup\\temp.tmp)"}));
  EXPECT_EQ(host.files["E:\\backup\\temp.tmp"], "the user's notes");
}

TEST_F(KeepAwakeTick, RemovesAnEmptyProbeLeftByAnInterruptedTick) {
  Store("E:\\backup\\");
  host.files["E:\\backup\\temp.tmp"] = "";
  OnKeepAwakeTick(host);
  EXPECT_TRUE(host.files.empty());
}

TEST_F(KeepAwakeTick, DeletesNothingWhenTheCreateIsRefused) {
  Store("E:\\backup\\");
  host.readOnlyPaths = {"E:\\backup\\temp.tmp"};
  OnKeepAwakeTick(host);
  EXPECT_EQ(host.Trace(), (Trace{kReadPath, "FolderExists(E:\\backup)",
                                 "CreateProbeFile(E:\\backup\\temp.tmp)"}));
}
