// Whole sessions at the main menu: drawing, the choice prompt, type-ahead,
// browse and the ways the program ends.
#include <gtest/gtest.h>

#include <sstream>

#include "session_runner.h"

namespace {

TEST(MainMenuTest, FirstOutputIsTheMenuAndZeroEndsAtOnce) {
  SessionResult r = RunSession("0\n");
  EXPECT_EQ(r.output, kMenu);
  EXPECT_EQ(r.exit_status, 0);
  EXPECT_EQ(r.pauses, 0);
  EXPECT_TRUE(r.files.empty());
}

TEST(MainMenuTest, BoxLinesAreTwentyOneBytesInGbk) {
  if (std::string("号") != "\xba\xc5") GTEST_SKIP() << "not the GBK build";
  std::istringstream box(kMenu);
  std::string line;
  std::getline(box, line);
  EXPECT_EQ(line, "");
  for (int i = 0; i < 11; ++i) {
    ASSERT_TRUE(std::getline(box, line));
    EXPECT_EQ(line.size(), 21u) << "line " << i + 1;
  }
}

TEST(MainMenuTest, RefusedChoicesGetTheErrorAndTheBarePrompt) {
  // 00, 07, 8, 10, -1, +1, a letter and a full-width digit.
  SessionResult r = RunSession("00\n07 8 10\n-1\n+1\na\n１\n0\n");
  std::string expected = kMenu;
  for (int i = 0; i < 8; ++i) expected += kWrong + kPrompt;
  EXPECT_EQ(r.output, expected);
  EXPECT_EQ(r.exit_status, 0);
}

TEST(MainMenuTest, BrowseOnAnEmptyListAndBackToTheMenu) {
  SessionResult r = RunSession("  \n\n\t 2\n0\n");
  EXPECT_EQ(r.output, kMenu + "\n已存储信息如下:\n" + kDone + kMenu);
  EXPECT_EQ(r.pauses, 1);
  EXPECT_EQ(r.exit_status, 0);
}

TEST(MainMenuTest, MenuComesBackAfterEveryOperation) {
  SessionResult r = RunSession("2 2 2 0");
  std::string browse = "\n已存储信息如下:\n" + kDone + kMenu;
  EXPECT_EQ(r.output, kMenu + browse + browse + browse);
  EXPECT_EQ(r.pauses, 3);
}

TEST(MainMenuTest, TypeAheadFeedsTheNextPrompt) {
  SessionResult r = RunSession("1 2\n");
  // The 2 answers the entry submenu; input then ends at the first field.
  EXPECT_EQ(r.output, kMenu + kEntryMenu + kPrompt + "请输入设备编号:");
  EXPECT_EQ(r.exit_status, 0);
}

TEST(EndOfInputTest, EndsWithStatusZeroAndPrintsNothingMore) {
  const struct {
    const char* input;
    std::string output;
  } cases[] = {
      {"", kMenu},
      {"   \n", kMenu},
      {"9", kMenu + kWrong + kPrompt},
      {"4", kMenu + kDeleteMenu + kPrompt},
      {"5", kMenu + kSortMenu + kPrompt},
      {"3\n1\n", kMenu + kQueryMenu + kPrompt + "请输入设备名称:"},
      {"6 1 5", kMenu + kFilterMenu + kPrompt + "请输入筛选范围(例:666 2333):"},
      {"1 1", kMenu + kEntryMenu + kPrompt + "请输入文件名:"},
  };
  for (const auto& c : cases) {
    SessionResult r = RunSession(c.input);
    EXPECT_EQ(r.output, c.output) << c.input;
    EXPECT_EQ(r.exit_status, 0) << c.input;
    EXPECT_TRUE(r.files.empty()) << c.input;
  }
}

}  // namespace
