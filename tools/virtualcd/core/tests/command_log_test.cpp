#include <gtest/gtest.h>

#include <string>

#include "cd_time.h"
#include "command_log.h"

namespace {

TEST(CommandLog, LinesHaveTheVerbThenEachParameter) {
  LogLine line;
  StartLogLine(&line, "open");
  AddLogFlag(&line, "shareable");
  AddLogText(&line, "element", "D:");
  AddLogText(&line, "alias", "Lumo");
  EXPECT_STREQ(line.text, "open shareable element=D: alias=Lumo");

  StartLogLine(&line, "play");
  AddLogTime(&line, "from", kFormatTmsf, 3);
  AddLogTime(&line, "to", kFormatTmsf, 4);
  AddLogFlag(&line, "notify");
  EXPECT_STREQ(line.text, "play from=3:00:00:00 to=4:00:00:00 notify");

  StartLogLine(&line, "status");
  AddLogText(&line, "item", StatusItemName(0x4001));
  AddLogNumber(&line, "track", 3);
  EXPECT_STREQ(line.text, "status item=type track=3");
  EXPECT_EQ(line.length, strlen(line.text));
}

TEST(CommandLog, ValuesCannotBreakTheLine) {
  LogLine line;
  StartLogLine(&line, "open");
  AddLogText(&line, "alias", "two\r\nlines\t");
  EXPECT_STREQ(line.text, "open alias=two??lines?");
}

TEST(CommandLog, OverlongValuesAreCutNotOverrun) {
  LogLine line;
  std::string huge(5000, 'x');
  StartLogLine(&line, "open");
  AddLogText(&line, "element", huge.c_str());
  AddLogFlag(&line, "notify");
  AddLogText(&line, "alias", huge.c_str());
  EXPECT_EQ(line.length, sizeof(line.text) - 1);
  EXPECT_EQ(strlen(line.text), line.length);
}

}  // namespace
