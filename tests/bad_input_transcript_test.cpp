// Input no user should type, and input that ends too early: the program
// keeps working, answers with its usual texts and loses nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "session_runner.h"

namespace {

using namespace std::string_literals;

const std::vector<Row> kRows = {
    {"A1", "电脑", "张三", "财务部", "10", "2042.1.1", "99.5"},
    {"A2", "打印机", "李四", "人事部", "9", "2042.2.1", "5"},
};

TEST(BadInputTest, NulAndNonGbkBytesInChoicesAreRefused) {
  SessionResult r = RunSession("\0\n\xff\n\x81\n1\0\n0\n"s);
  std::string expected = kMenu;
  for (int i = 0; i < 4; ++i) expected += kWrong + kPrompt;
  EXPECT_EQ(r.output, expected);
  EXPECT_EQ(r.exit_status, 0);
}

TEST(BadInputTest, NulAndNonGbkBytesAreKeptAsFieldValues) {
  const Row odd = {"\0"s, "\xff\xfe", "\x80", "a\0b"s, "\x81", "\x7f", "\xa1"};
  SessionSetup setup = WithRows({odd});
  SessionResult r = RunSession(
      ImportInput("in.txt") + "1 2 \0 \xff\xfe \x80 a\0b \x81 \x7f \xa1\n2 0"s,
      setup);
  EXPECT_EQ(r.files["dev.out"], RecordFileText({odd, odd}));
  EXPECT_TRUE(r.output.ends_with("\n已存储信息如下:\n" +
                                 DisplayLines({odd, odd}) + kDone + kMenu));
}

TEST(BadInputTest, BinaryImportFileIsTakenAsTokens) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37) % 256);
  SessionSetup setup;
  setup.files["in.txt"] = binary;
  SessionResult r = RunSession(ImportInput("in.txt") + "0", setup);
  EXPECT_EQ(r.exit_status, 0);
  const std::string& dev_out = r.files["dev.out"];
  size_t records =
      static_cast<size_t>(std::count(dev_out.begin(), dev_out.end(), '\n'));
  EXPECT_EQ(r.output, kMenu + ImportTranscript(records));
}

TEST(BadInputTest, TenMegabyteTokenAsAFieldValue) {
  const std::string huge(10 << 20, 'x');
  SessionResult r = RunSession("1 2 " + huge + " b c d e f g 0");
  EXPECT_EQ(r.files["dev.out"], "1 " + huge + " b c d e f g\n");
  EXPECT_EQ(r.exit_status, 0);
}

TEST(BadInputTest, LineOfAMillionTokensAsAnImportFile) {
  std::string line;
  for (int i = 0; i < 1000000; ++i) line += std::to_string(i % 10) + " ";
  SessionSetup setup;
  setup.files["in.txt"] = line;
  SessionResult r = RunSession(ImportInput("in.txt") + "0", setup);
  EXPECT_EQ(r.output, kMenu + ImportTranscript(1000000 / 7));
}

TEST(BadInputTest, HundredThousandDigitKeywordAndSerial) {
  const std::string digits(100000, '7');
  SessionResult r = RunSession(
      ImportInput("in.txt") + "3 3 " + digits + " 4 1 " + digits + " 1 0",
      WithRows(kRows));
  EXPECT_EQ(r.output, kMenu + ImportTranscript(2) + kQueryMenu + kPrompt +
                          "请输入关键字:无法查询到此设备.\n" + kDone + kMenu +
                          kDeleteMenu + kPrompt +
                          "请输入待删除数据的序列号:非法序列号，请重新输入:" +
                          SaveReport("dev.out", 1) + kDone + kMenu);
  EXPECT_EQ(r.files["dev.out"], RecordFileText({kRows[1]}));
}

// Every prompt of every menu, reached and then left without an answer.
TEST(BadInputTest, EndOfInputAtEveryPrompt) {
  const std::string import = ImportInput("in.txt");
  const std::string saved = RecordFileText(kRows);
  const struct {
    std::string input;
    std::string prompt;  // the last thing printed
  } cases[] = {
      {"", kPrompt},
      {"1", kEntryMenu + kPrompt},
      {"1 1", "请输入文件名:"},
      {"1 2", "请输入设备编号:"},
      {"1 2 a", "请输入设备名称:"},
      {"1 2 a b", "请输入领用人:"},
      {"1 2 a b c", "请输入所属部门:"},
      {"1 2 a b c d", "请输入数量:"},
      {"1 2 a b c d e", "请输入购买时间:"},
      {"1 2 a b c d e f", "请输入价格:"},
      {"3", kQueryMenu + kPrompt},
      {"3 1", "请输入设备名称:"},
      {"3 2", "请输入所属部门名称:"},
      {"3 3", "请输入关键字:"},
      {"3 1 电脑", kOutputMenu + kPrompt},
      {"3 1 电脑 9", kWrong + kPrompt},
      {"3 1 电脑 +", kOutputMenu + kPrompt},
      {"4", kDeleteMenu + kPrompt},
      {"4 1", "请输入待删除数据的序列号:"},
      {"4 1 9", "非法序列号，请重新输入:"},
      {"5", kSortMenu + kPrompt},
      {"5 1", "是否浏览数据?(y/n)\n"},
      {"5 1 x", "非法输入，请重新输入:"},
      {"6", kFilterMenu + kPrompt},
      {"6 1", "请输入筛选范围(例:666 2333):"},
      {"6 2 2042.1.1", "请输入筛选范围(例:2042.1.1 2077.12.31):"},
      {"6 3 1 100", kOutputMenu + kPrompt},
  };
  for (const auto& c : cases) {
    SessionResult r = RunSession(import + c.input, WithRows(kRows));
    EXPECT_EQ(r.exit_status, 0) << c.input;
    EXPECT_TRUE(r.output.ends_with(c.prompt)) << c.input;
    // (The sort's commit before its question keeps this order.)
    EXPECT_EQ(r.files["dev.out"], saved) << c.input;
  }
}

}  // namespace
