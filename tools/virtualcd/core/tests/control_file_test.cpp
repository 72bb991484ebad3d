#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "control_file.h"

namespace {

DriveControl Read(const std::string& text, const char* baseDir = "C:\\tests") {
  DriveControl control;
  ReadDriveControl(text.data(), text.size(), baseDir, &control);
  return control;
}

std::string Set(const std::string& text, const char* key, const char* value) {
  char out[1024];
  size_t n = SetIniValue(text.data(), text.size(), "Drive", key, value, out, sizeof(out));
  return n ? std::string(out, n) : std::string("<does not fit>");
}

TEST(ControlFile, MissingFileOrSectionGivesDefaults) {
  for (const char* text : {"", "[Other]\nDisc=x.disc\nDoor=open\nSpeed=60\nNotify=0\nLog=x.log\n"}) {
    DriveControl c = Read(text);
    EXPECT_STREQ(c.discPath, "") << text;
    EXPECT_FALSE(c.doorOpen) << text;
    EXPECT_EQ(c.speed, 1u) << text;
    EXPECT_TRUE(c.notify) << text;
    EXPECT_STREQ(c.logPath, "") << text;
  }
}

TEST(ControlFile, ReadsTheDriveSection) {
  DriveControl c = Read(
      "; written by a test\r\n"
      "[other]\r\nDisc=wrong.disc\r\n"
      "[ drive ]\r\n"
      "  disc =  \"discs\\freedb.disc\" \r\n"
      "# comment=ignored\r\n"
      "DOOR=Open\r\n"
      "Speed=120\r\n"
      "Notify=0\r\n"
      "Log=D:\\logs\\drive.log\r\n");
  EXPECT_STREQ(c.discPath, "C:\\tests\\discs\\freedb.disc");
  EXPECT_TRUE(c.doorOpen);
  EXPECT_EQ(c.speed, 120u);
  EXPECT_FALSE(c.notify);
  EXPECT_STREQ(c.logPath, "D:\\logs\\drive.log");
}

TEST(ControlFile, OddValuesFallBackToDefaults) {
  const struct {
    const char* line;
    uint32_t speed;
    bool notify;
    bool doorOpen;
  } cases[] = {
      {"Speed=0", 1, true, false},       {"Speed=-5", 1, true, false},    {"Speed=fast", 1, true, false},
      {"Speed=", 1, true, false},        {"Speed=100001", 1, true, false}, {"Speed=99999999999999", 1, true, false},
      {"Speed=100000", 100000, true, false},
      {"Notify=1", 1, true, false},      {"Notify=yes", 1, true, false},  {"Notify=", 1, true, false},
      {"Door=closed", 1, true, false},   {"Door=ajar", 1, true, false},   {"Door=OPEN", 1, true, true},
  };
  for (const auto& c : cases) {
    DriveControl control = Read(std::string("[Drive]\n") + c.line + "\n");
    EXPECT_EQ(control.speed, c.speed) << c.line;
    EXPECT_EQ(control.notify, c.notify) << c.line;
    EXPECT_EQ(control.doorOpen, c.doorOpen) << c.line;
  }
}

TEST(ControlFile, PathsTooLongForTheDriveMeanNone) {
  std::string longName(kMaxPathText - 4, 'a');
  DriveControl c = Read("[Drive]\nDisc=" + longName + "\nLog=" + longName + "\n");
  EXPECT_STREQ(c.discPath, "");
  EXPECT_STREQ(c.logPath, "");
}

TEST(ControlFile, SettingAValueKeepsTheRestOfTheFile) {
  const struct {
    const char* what;
    std::string before, after;
  } cases[] = {
      {"replace in place", "[Drive]\r\nDisc=a.disc\r\ndoor = closed\r\nSpeed=60\r\n",
       "[Drive]\r\nDisc=a.disc\r\nDoor=open\r\nSpeed=60\r\n"},
      {"add after the last entry", "[Drive]\nDisc=a.disc\n\n[Other]\nDoor=x\n",
       "[Drive]\nDisc=a.disc\nDoor=open\n\n[Other]\nDoor=x\n"},
      {"last line without a break", "[Drive]\nDisc=a.disc", "[Drive]\nDisc=a.disc\nDoor=open\n"},
      {"append the section", "[Other]\r\nDoor=x", "[Other]\r\nDoor=x\r\n[Drive]\r\nDoor=open\r\n"},
      {"empty file", "", "[Drive]\nDoor=open\n"},
  };
  for (const auto& c : cases) {
    std::string after = Set(c.before, "Door", "open");
    EXPECT_EQ(after, c.after) << c.what;
    EXPECT_TRUE(Read(after).doorOpen) << c.what;
  }
}

TEST(ControlFile, SettingAValueNeverOverrunsTheOutput) {
  std::string text = "[Drive]\nDisc=a.disc\nDoor=closed\n";
  char out[64];
  for (size_t size = 0; size <= text.size() + 2; ++size) {
    memset(out, '#', sizeof(out));
    size_t n = SetIniValue(text.data(), text.size(), "Drive", "Door", "open", out, size);
    if (n) {
      EXPECT_LT(n, size);
      EXPECT_EQ(out[n], '\0');
    }
    for (size_t i = size; i < sizeof(out); ++i) ASSERT_EQ(out[i], '#') << "wrote past " << size;
  }
}

TEST(ControlFile, ResolvesPathsAgainstTheControlFileFolder) {
  char dir[64], path[64];
  DirectoryOf("C:\\tests\\run 1\\vcd.ini", dir, sizeof(dir));
  EXPECT_STREQ(dir, "C:\\tests\\run 1");
  DirectoryOf("vcd.ini", dir, sizeof(dir));
  EXPECT_STREQ(dir, "");
  const struct {
    const char* base;
    const char* path;
    const char* want;
  } cases[] = {
      {"C:\\t", "x.disc", "C:\\t\\x.disc"},     {"C:\\t", "d:\\x.disc", "d:\\x.disc"},
      {"C:\\t", "\\share\\x", "\\share\\x"},    {"C:\\t", "/tmp/x", "/tmp/x"},
      {"", "x.disc", "x.disc"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(ResolvePath(c.base, c.path, path, sizeof(path))) << c.path;
    EXPECT_STREQ(path, c.want);
  }
  EXPECT_FALSE(ResolvePath("C:\\a\\long\\folder\\name", "and-a-long-file-name.disc", path, 32));
}

}  // namespace
