// Entry: file import and single entry, with the save that follows.
#include <gtest/gtest.h>

#include <algorithm>

#include "session_runner.h"

namespace {

using namespace std::string_literals;

const std::vector<Row> kRows = {
    {"A01", "电脑", "张三", "财务部", "10", "2042.1.1", "99.5"},
    {"A02", "打印机", "李四", "人事部", "9", "2042.2.1", "5"},
    {"A03", "投影仪", "王五", "财务部", "09", "2041.12.31", "100"},
};

TEST(ImportTest, ImportsAFileAndSavesIt) {
  SessionSetup setup;
  setup.files["in.txt"] = ImportText(kRows);
  SessionResult r = RunSession(ImportInput("in.txt") + "2\n0\n", setup);
  EXPECT_EQ(r.output, kMenu + ImportTranscript(3) + "\n已存储信息如下:\n" +
                          DisplayLines(kRows) + kDone + kMenu);
  EXPECT_EQ(r.files["dev.out"], RecordFileText(kRows));
  EXPECT_EQ(r.exit_status, 0);
  EXPECT_EQ(r.pauses, 2);
}

TEST(ImportTest, FileLayoutsGiveRecordsSevenTokensAtATime) {
  const struct {
    std::string content;
    std::string dev_out;
  } cases[] = {
      {"a b c d e f g h i j k l m n\n", "1 a b c d e f g\n2 h i j k l m n\n"},
      {"a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm\nn\n",
       "1 a b c d e f g\n2 h i j k l m n\n"},
      {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20\n",
       "1 1 2 3 4 5 6 7\n2 8 9 10 11 12 13 14\n"},
      {"", ""},
      {"  \n\t\r\n", ""},
      {"a b c d e f g\r\nh i j k l m n\r\n",
       "1 a b c d e f g\n2 h i j k l m n\n"},
      {"a b c d e f g", "1 a b c d e f g\n"},
      {"1 a b c d e f g\n2 h i j k l m n\n",
       "1 1 a b c d e f\n2 g 2 h i j k l\n"},
      {"\0 \xff\x80 c d e f g"s, "1 \0 \xff\x80 c d e f g\n"s},
  };
  for (const auto& c : cases) {
    SessionSetup setup;
    setup.files["in.txt"] = c.content;
    SessionResult r = RunSession(ImportInput("in.txt") + "0\n", setup);
    size_t count = static_cast<size_t>(
        std::count(c.dev_out.begin(), c.dev_out.end(), '\n'));
    EXPECT_EQ(r.output, kMenu + ImportTranscript(count)) << c.content;
    EXPECT_EQ(r.files["dev.out"], c.dev_out) << c.content;
  }
}

TEST(ImportTest, SecondImportAppendsAfterTheExistingRecords) {
  SessionSetup setup;
  setup.files["in.txt"] = ImportText(kRows);
  SessionResult r =
      RunSession(ImportInput("in.txt") + ImportInput("in.txt") + "0\n", setup);
  std::vector<Row> twice = kRows;
  twice.insert(twice.end(), kRows.begin(), kRows.end());
  EXPECT_EQ(r.files["dev.out"], RecordFileText(twice));
  EXPECT_EQ(r.output, kMenu + ImportTranscript(3) + ImportTranscript(6));
}

TEST(ImportTest, TimesTheReadAndTheSave) {
  REQUIRE_IN_PROCESS();
  SessionSetup setup;
  setup.files["in.txt"] = ImportText(kRows);
  setup.clock_step = 7;
  SessionResult r = RunSession(ImportInput("in.txt") + "0\n", setup);
  EXPECT_EQ(r.output, kMenu + kEntryMenu + kPrompt +
                          "请输入文件名:" + "读取完成, 耗时 7 毫秒\n" +
                          "dev.out 已保存更改, 耗时 7 毫秒\n"
                          "dev.out 内目前有 3 条记录\n" +
                          kDone + kMenu);
}

TEST(ImportTest, UnreadableFileEndsWithStatusOneAndSavesNothing) {
  for (bool as_directory : {false, true}) {
    SessionSetup setup;
    setup.files["dev.out"] = "1 old a b c d e f\n";
    if (as_directory) {
      setup.files["dir"] = "";
      setup.directories.insert("dir");
    }
    SessionResult r =
        RunSession(ImportInput(as_directory ? "dir" : "none"), setup);
    EXPECT_EQ(r.output, kMenu + kEntryMenu + kPrompt +
                            "请输入文件名:" + "读取文件打开失败\n");
    EXPECT_EQ(r.exit_status, 1);
    EXPECT_EQ(r.pauses, 0);
    EXPECT_EQ(r.files["dev.out"], "1 old a b c d e f\n");
  }
}

TEST(EntryMenuTest, RefusesAllButOneAndTwo) {
  SessionResult r = RunSession("1\n01 0 3 +1 x\n");
  std::string expected = kMenu + kEntryMenu + kPrompt;
  for (int i = 0; i < 5; ++i) expected += kWrong + kPrompt;
  EXPECT_EQ(r.output, expected);
}

const std::string kFieldPrompts[] = {
    "请输入设备编号:", "请输入设备名称:", "请输入领用人:", "请输入所属部门:",
    "请输入数量:",     "请输入购买时间:", "请输入价格:"};

std::string AllFieldPrompts() {
  std::string s;
  for (const std::string& p : kFieldPrompts) s += p;
  return s;
}

TEST(SingleEntryTest, TypedAheadOnOneLineAndAppended) {
  SessionSetup setup;
  setup.files["in.txt"] = ImportText({kRows[0]});
  const Row typed = {"X9", "扫描仪", "赵六", "研发部", "many", "soon", "free"};
  SessionResult r =
      RunSession(ImportInput("in.txt") +
                     "1 2 X9 扫描仪 赵六 研发部 many soon free\n2\n0\n",
                 setup);
  EXPECT_EQ(r.output, kMenu + ImportTranscript(1) + kEntryMenu + kPrompt +
                          AllFieldPrompts() + SaveReport("dev.out", 2) + kDone +
                          kMenu + "\n已存储信息如下:\n" +
                          DisplayLines({kRows[0], typed}) + kDone + kMenu);
  EXPECT_EQ(r.files["dev.out"], RecordFileText({kRows[0], typed}));
}

TEST(SingleEntryTest, OneFieldPerLine) {
  SessionResult r = RunSession("1\n2\na\nb\nc\nd\ne\nf\ng\n0\n");
  EXPECT_EQ(r.output, kMenu + kEntryMenu + kPrompt + AllFieldPrompts() +
                          SaveReport("dev.out", 1) + kDone + kMenu);
  EXPECT_EQ(r.files["dev.out"], "1 a b c d e f g\n");
}

}  // namespace
