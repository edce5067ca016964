// The settings file's place and the reading of its "run" flag.
#include "engine/settings.h"

#include <gtest/gtest.h>

#include "tests/unit/fake_host.h"

TEST(SettingsPath, OneBackslashBetweenDirectoryAndFile) {
  FakeHost host;
  host.programDirectory = "E:\\tools";
  EXPECT_EQ(SettingsPath(host), "E:\\tools\\config.ini");
  host.programDirectory = "E:";  // an executable in a drive root
  EXPECT_EQ(SettingsPath(host), "E:\\config.ini");
}

TEST(SettingsPath, BuiltAnewForEveryAccess) {
  FakeHost host;
  host.programDirectory = "E:";
  WriteRunFlag(host, true);
  host.programDirectory = "F:\\moved";
  ReadStoredPath(host);
  EXPECT_EQ(host.Trace(), (std::vector<std::string>{
                              "WriteProfileString(E:\\config.ini, disk, run, true)",
                              "ReadProfileString(F:\\moved\\config.ini, disk, path, )",
                          }));
}

TEST(RunFlag, OnOnlyForExactlyTrue) {
  struct Case {
    const char* stored;  // null: no "run" key
    bool on;
  };
  const Case cases[] = {
      {"true", true}, {"TRUE", false}, {"True", false}, {"1", false},
      {"yes", false}, {"", false},     {"false", false}, {nullptr, false},
  };
  for (const Case& c : cases) {
    FakeHost host;
    if (c.stored) host.Profile("C:\\prog\\config.ini", "disk", "run") = c.stored;
    EXPECT_EQ(ReadRunFlag(host), c.on) << (c.stored ? c.stored : "(missing)");
    EXPECT_EQ(host.Trace(), (std::vector<std::string>{
                                "ReadProfileString(C:\\prog\\config.ini, disk, run, false)"}));
  }
}

TEST(StoredPath, MissingReadsEmptyAndWritesKeepEveryByte) {
  FakeHost host;
  EXPECT_EQ(ReadStoredPath(host), "");
  const Text path = "E:\\My Backup \\移动硬盘\\";
  EXPECT_TRUE(WriteStoredPath(host, path));
  EXPECT_EQ(host.Profile("C:\\prog\\config.ini", "disk", "path"), path);
  EXPECT_EQ(ReadStoredPath(host), path);
}

TEST(StoredPath, WriteFailureIsReported) {
  FakeHost host;
  host.failingProfileKeys = {"path", "run"};
  EXPECT_FALSE(WriteStoredPath(host, "E:\\backup"));
  EXPECT_FALSE(WriteRunFlag(host, false));
}
