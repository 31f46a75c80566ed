// Sort: the menu, the report, the commit and the browse question.
#include <gtest/gtest.h>

#include <algorithm>

#include "session_runner.h"

namespace {

const Row kA = {"A10", "a", "u", "d", "10", "2042.12.1", "99.5"};
const Row kB = {"A9", "b", "u", "d", "9", "2042.2.1", "5"};
const Row kC = {"B1", "c", "u", "d", "09", "2041.12.31", "100"};
const std::vector<Row> kRows = {kA, kB, kC};

SessionResult SortSession(const std::string& input) {
  SessionSetup setup;
  setup.files["in.txt"] = ImportText(kRows);
  return RunSession(ImportInput("in.txt") + input, setup);
}

const std::string kSorted = "排序完成, 耗时 0 毫秒\n";
const std::string kBrowseQuestion = "是否浏览数据?(y/n)\n";
const std::string kBadAnswer = "非法输入，请重新输入:";

TEST(SortTest, EachOrderSavesAndBrowsesTheSortedList) {
  const struct {
    const char* order;
    std::vector<Row> sorted;
  } cases[] = {
      {"1", {kB, kC, kA}}, {"2", {kB, kC, kA}}, {"3", {kC, kB, kA}},
      {"4", {kB, kC, kA}}, {"5", {kA, kC, kB}}, {"6", {kA, kC, kB}},
      {"7", {kA, kB, kC}}, {"8", {kA, kC, kB}},
  };
  for (const auto& c : cases) {
    SessionResult r = SortSession(std::string("5\n") + c.order + "\ny\n0\n");
    EXPECT_EQ(r.output, kMenu + ImportTranscript(3) + kSortMenu + kPrompt +
                            kSorted + SaveReport("dev.out", 3) +
                            kBrowseQuestion + "\n已存储信息如下:\n" +
                            DisplayLines(c.sorted) + kDone + kMenu)
        << "order " << c.order;
    EXPECT_EQ(r.files["dev.out"], RecordFileText(c.sorted)) << c.order;
  }
}

TEST(SortTest, RefusedChoicesUseTheSortMenusOwnError) {
  SessionResult r = SortSession("5\n0 9 01 x 1\nn\n0\n");
  std::string expected = kMenu + ImportTranscript(3) + kSortMenu + kPrompt;
  for (int i = 0; i < 4; ++i) expected += "非法输入!\n" + kPrompt;
  expected +=
      kSorted + SaveReport("dev.out", 3) + kBrowseQuestion + kDone + kMenu;
  EXPECT_EQ(r.output, expected);
}

TEST(SortTest, BrowseQuestionReadsOneCharacterAtATime) {
  // Y and each letter of abc are refused one by one on the same line.
  SessionResult r = SortSession("5 1\nY\nabc\nn\n0\n");
  EXPECT_EQ(r.output, kMenu + ImportTranscript(3) + kSortMenu + kPrompt +
                          kSorted + SaveReport("dev.out", 3) + kBrowseQuestion +
                          kBadAnswer + kBadAnswer + kBadAnswer + kBadAnswer +
                          kDone + kMenu);
}

TEST(SortTest, YesBrowsesAndLeavesTheRestForTheMainMenu) {
  SessionResult r = SortSession("5 1 yes\n0\n");
  EXPECT_EQ(r.output, kMenu + ImportTranscript(3) + kSortMenu + kPrompt +
                          kSorted + SaveReport("dev.out", 3) + kBrowseQuestion +
                          "\n已存储信息如下:\n" + DisplayLines({kB, kC, kA}) +
                          kDone + kMenu + kWrong + kPrompt);
  EXPECT_EQ(r.exit_status, 0);
}

TEST(SortTest, EmptyListStillReportsSavesAndAsks) {
  SessionResult r = RunSession("5 3 y 0");
  EXPECT_EQ(r.output, kMenu + kSortMenu + kPrompt + kSorted +
                          SaveReport("dev.out", 0) + kBrowseQuestion +
                          "\n已存储信息如下:\n" + kDone + kMenu);
  EXPECT_EQ(r.files.at("dev.out"), "");
}

TEST(SortTest, TimesOnlyTheSort) {
  REQUIRE_IN_PROCESS();
  SessionSetup setup;
  setup.clock_step = 3;
  SessionResult r = RunSession("5 1 n 0", setup);
  EXPECT_EQ(r.output, kMenu + kSortMenu + kPrompt + "排序完成, 耗时 3 毫秒\n" +
                          "dev.out 已保存更改, 耗时 3 毫秒\n"
                          "dev.out 内目前有 0 条记录\n" +
                          kBrowseQuestion + kDone + kMenu);
}

TEST(SortTest, EqualKeysAndMalformedDatesKeepEveryRecord) {
  std::vector<Row> rows;
  for (const char* t : {"x", "2042.1.1", "", "20", "2042.1.1", "2042..5",
                        "1999", "2042.1.01", "2042/1.1", "zzzzzzzzz"}) {
    const std::string time = *t == '\0' ? "-" : t;
    rows.push_back({"N", time, "u", "d", "1", time, "1"});
  }
  for (const char* order : {"1", "3", "7"}) {
    SessionSetup setup;
    setup.files["in.txt"] = ImportText(rows);
    SessionResult r =
        RunSession(ImportInput("in.txt") + "5 " + order + " n 0", setup);
    std::string out = r.files["dev.out"];
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 10) << order;
    for (const Row& row : rows) {
      EXPECT_NE(out.find(" " + row.time + " 1\n"), std::string::npos);
    }
    if (std::string(order) == "3") {
      // Well-shaped dates in order among themselves.
      EXPECT_LT(out.find("2042..5"), out.find(" 2042.1.1 "));
      EXPECT_LT(out.find(" 2042.1.1 "), out.find("2042.1.01"));
    }
  }
}

}  // namespace
