// Query: by name, by department, by keyword, and the result output menu.
#include <gtest/gtest.h>

#include "session_runner.h"

namespace {

const Row kR1 = {"3", "电脑", "张三", "财务部", "10", "2042.1.1", "99.5"};
const Row kR2 = {"B2", "打印机", "李四", "人事部", "3", "2042.2.1", "5"};
const Row kR3 = {"C3", "电脑", "王五", "人事部", "03", "2041.12.31", "3"};
const Row kR4 = {"D4", "Abc", "赵六", "研发部", "1", "2050.6.15", "abc"};
const std::vector<Row> kRows = {kR1, kR2, kR3, kR4};

SessionResult QuerySession(const std::string& input) {
  SessionSetup setup;
  setup.files["in.txt"] = ImportText(kRows);
  return RunSession(ImportInput("in.txt") + input, setup);
}

const std::string kPrompts[] = {
    "请输入设备名称:", "请输入所属部门名称:", "请输入关键字:"};

// Found records: (serial, row) pairs in list order.
using Found = std::vector<std::pair<int, Row>>;

std::string Lines(const Found& found) {
  std::string s;
  for (const auto& [serial, row] : found) s += DisplayLine(serial, row);
  return s;
}

std::string Printed(const std::string& kind, const Found& found) {
  return kMenu + ImportTranscript(4) + kQueryMenu + kPrompt +
         kPrompts[kind[0] - '1'] + "查询到 " + std::to_string(found.size()) +
         " 条记录, 耗时 0 毫秒\n\n" + kOutputMenu + kPrompt + Lines(found) +
         kDone + kMenu;
}

TEST(QueryTest, FindsWholeTextMatchesAndPrintsThem) {
  const struct {
    std::string kind, term;
    Found found;
  } cases[] = {
      {"1", "电脑", {{1, kR1}, {3, kR3}}},
      {"2", "人事部", {{2, kR2}, {3, kR3}}},
      {"1", "abc", {}},
      {"1", "电", {}},
      {"2", "人事", {}},
      // Serial 3 through the value, and every field that is exactly "3".
      {"3", "3", {{1, kR1}, {2, kR2}, {3, kR3}}},
      // 03 finds serial 3 and the quantity written 03.
      {"3", "03", {{3, kR3}}},
      // A keyword starting with a letter has the value 0: text fields only.
      {"3", "abc", {{4, kR4}}},
      {"3", "2050.6.15", {{4, kR4}}},
      {"3", "+4", {{4, kR4}}},
      {"3", "4号", {{4, kR4}}},
      {"3", "0", {}},
      {"3", "99999999999", {}},
      {"3", "-2147483649", {}},
  };
  for (const auto& c : cases) {
    SessionResult r = QuerySession("3 " + c.kind + " " + c.term + " 1\n0\n");
    if (c.found.empty()) {
      // The "1" left over is read by the main menu as entry; end there.
      EXPECT_TRUE(r.output.starts_with(
          kMenu + ImportTranscript(4) + kQueryMenu + kPrompt +
          kPrompts[c.kind[0] - '1'] + "无法查询到此设备.\n" + kDone + kMenu))
          << c.term;
    } else {
      EXPECT_EQ(r.output, Printed(c.kind, c.found)) << c.term;
    }
  }
}

TEST(QueryTest, EmptyListAsksAndFindsNothing) {
  for (const char* kind : {"1", "2", "3"}) {
    SessionResult r = RunSession(std::string("3 ") + kind + " x 0");
    EXPECT_EQ(r.output, kMenu + kQueryMenu + kPrompt + kPrompts[kind[0] - '1'] +
                            "无法查询到此设备.\n" + kDone + kMenu);
  }
}

TEST(QueryTest, SubmenuRefusesOtherChoices) {
  SessionResult r = QuerySession("3 0 4 01 x 1 电脑 1 0");
  EXPECT_NE(
      r.output.find(kQueryMenu + kPrompt + kWrong + kPrompt + kWrong + kPrompt +
                    kWrong + kPrompt + kWrong + kPrompt + kPrompts[0]),
      std::string::npos);
}

TEST(QueryOutputMenuTest, ReadsTheAnswerAsADecimalInteger) {
  const std::string head = kMenu + ImportTranscript(4) + kQueryMenu + kPrompt +
                           kPrompts[0] + "查询到 2 条记录, 耗时 0 毫秒\n\n" +
                           kOutputMenu + kPrompt;
  const std::string printed = Lines({{1, kR1}, {3, kR3}}) + kDone + kMenu;
  const std::string saved = SaveReport("query.out", 2) + kDone + kMenu;
  const struct {
    std::string answers;
    std::string rest;
  } cases[] = {
      {"01", printed},
      {"+2", saved},
      {"0 3 1", kWrong + kPrompt + kWrong + kPrompt + printed},
      {"abc 1", kWrong + kPrompt + printed},
      {"abc def 1", kWrong + kPrompt + kWrong + kPrompt + printed},
      {"99999999999x 2", kWrong + kPrompt + saved},
      {"-1 +x 2", kWrong + kPrompt + kWrong + kPrompt + saved},
      // The x after 2 is left for the main menu, which refuses it.
      {"2x", saved + kWrong + kPrompt},
  };
  for (const auto& c : cases) {
    SessionResult r = QuerySession("3 1 电脑 " + c.answers + "\n0\n");
    EXPECT_EQ(r.output, head + c.rest) << c.answers;
  }
}

TEST(QueryOutputMenuTest, SavesNumberedOneToKAndLeavesTheListAlone) {
  SessionResult r = QuerySession("3 2 人事部 2\n2\n0\n");
  EXPECT_EQ(r.files["query.out"], RecordFileText({kR2, kR3}));
  EXPECT_EQ(r.files["dev.out"], RecordFileText(kRows));
  EXPECT_TRUE(r.output.ends_with("\n已存储信息如下:\n" + DisplayLines(kRows) +
                                 kDone + kMenu));
}

TEST(QueryTest, FindsInSortedOrderAfterASort) {
  // Sort by price descending: 99.5 (R1), abc (R4), 5 (R2), 3 (R3).
  SessionResult r = QuerySession("5 8 n\n3 1 电脑 2\n0\n");
  EXPECT_EQ(r.files["query.out"], RecordFileText({kR1, kR3}));
}

TEST(QueryTest, TimesOnlyThePass) {
  REQUIRE_IN_PROCESS();
  SessionSetup setup;
  setup.files["in.txt"] = ImportText(kRows);
  setup.clock_step = 4;
  SessionResult r = RunSession(ImportInput("in.txt") + "3 1 电脑 1 0", setup);
  EXPECT_NE(r.output.find("查询到 2 条记录, 耗时 4 毫秒\n"), std::string::npos);
}

}  // namespace
