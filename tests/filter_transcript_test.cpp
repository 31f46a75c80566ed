// Filter: ranges of quantity, purchase time and price, and the filter form
// of the result output menu.
#include <gtest/gtest.h>

#include "session_runner.h"

namespace {

const Row kR1 = {"N1", "a", "u", "d", "0700", "2042.1.1", "12.5"};
const Row kR2 = {"N2", "b", "u", "d", "1000", "2050.6.15", "10"};
const Row kR3 = {"N3", "c", "u", "d", "02000", "2077.12.31", "20"};
const Row kR4 = {"N4", "d", "u", "d", "666", "2078.1.1", "15"};
const Row kR5 = {"N5", "e", "u", "d", "2333", "2041.12.31", "9"};
const std::vector<Row> kRows = {kR1, kR2, kR3, kR4, kR5};

SessionResult FilterSession(const std::string& input) {
  SessionSetup setup;
  setup.files["in.txt"] = ImportText(kRows);
  return RunSession(ImportInput("in.txt") + input, setup);
}

const std::string kRangePrompts[] = {
    "请输入筛选范围(例:666 2333):",
    "请输入筛选范围(例:2042.1.1 2077.12.31):",
    "请输入筛选范围(例:6666 23333):",
};

using Found = std::vector<std::pair<int, Row>>;

std::string Lines(const Found& found) {
  std::string s;
  for (const auto& [serial, row] : found) s += DisplayLine(serial, row);
  return s;
}

TEST(FilterTest, SelectsByRangeWithBothBoundsIncluded) {
  const struct {
    std::string kind, bounds;
    Found found;
  } cases[] = {
      // 02000 is longer than 2333, so above it.
      {"1", "666 2333", {{1, kR1}, {2, kR2}, {4, kR4}, {5, kR5}}},
      {"1", "2333\n666", {{4, kR4}, {5, kR5}}},
      {"1", "1000 1000", {{2, kR2}}},
      {"1", "1 9", {}},
      {"2", "2042.1.1 2077.12.31", {{1, kR1}, {2, kR2}, {3, kR3}}},
      {"2", "2077.12.31 2042.1.1", {{1, kR1}, {3, kR3}}},
      // 12.5 is longer than 20, so above it.
      {"3", "10 20", {{2, kR2}, {3, kR3}, {4, kR4}}},
      {"3", "6666 23333", {}},
  };
  for (const auto& c : cases) {
    SessionResult r = FilterSession("6 " + c.kind + " " + c.bounds + " 1\n0\n");
    std::string expected = kMenu + ImportTranscript(5) + kFilterMenu + kPrompt +
                           kRangePrompts[c.kind[0] - '1'];
    if (c.found.empty()) {
      expected += "无法筛选到此设备.\n" + kDone + kMenu;
      EXPECT_TRUE(r.output.starts_with(expected)) << c.bounds;
    } else {
      expected += "筛选到 " + std::to_string(c.found.size()) +
                  " 条记录, 耗时 0 毫秒\n\n" + kOutputMenu + kPrompt +
                  Lines(c.found) + kDone + kMenu;
      EXPECT_EQ(r.output, expected) << c.bounds;
    }
  }
}

TEST(FilterTest, EmptyListAsksForBothBoundsAndFindsNothing) {
  for (int kind = 0; kind < 3; ++kind) {
    SessionResult r = RunSession("6 " + std::to_string(kind + 1) + " 1\n2 0");
    EXPECT_EQ(r.output, kMenu + kFilterMenu + kPrompt + kRangePrompts[kind] +
                            "无法筛选到此设备.\n" + kDone + kMenu);
  }
}

TEST(FilterOutputMenuTest, TakesOnlyTheTokensOneAndTwo) {
  const std::string head =
      kMenu + ImportTranscript(5) + kFilterMenu + kPrompt + kRangePrompts[0] +
      "筛选到 1 条记录, 耗时 0 毫秒\n\n" + kOutputMenu + kPrompt;
  const std::string printed = Lines({{2, kR2}}) + kDone + kMenu;
  const std::string saved = SaveReport("filter.out", 1) + kDone + kMenu;
  const struct {
    std::string answers;
    std::string rest;
  } cases[] = {
      {"1", printed},
      {"2", saved},
      {"01 +2 2", kWrong + kPrompt + kWrong + kPrompt + saved},
      {"2x 0 3 1",
       kWrong + kPrompt + kWrong + kPrompt + kWrong + kPrompt + printed},
  };
  for (const auto& c : cases) {
    SessionResult r = FilterSession("6 1 1000 1000 " + c.answers + "\n0\n");
    EXPECT_EQ(r.output, head + c.rest) << c.answers;
  }
}

TEST(FilterOutputMenuTest, SavesNumberedOneToK) {
  SessionResult r = FilterSession("6 2 2042.1.1 2077.12.31 2 0");
  EXPECT_EQ(r.files["filter.out"], RecordFileText({kR1, kR2, kR3}));
  EXPECT_EQ(r.files["dev.out"], RecordFileText(kRows));
}

TEST(FilterTest, SubmenuRefusesOtherChoices) {
  SessionResult r = FilterSession("6 4 0 1 1 9 0");
  EXPECT_NE(r.output.find(kFilterMenu + kPrompt + kWrong + kPrompt + kWrong +
                          kPrompt + kRangePrompts[0]),
            std::string::npos);
}

}  // namespace
