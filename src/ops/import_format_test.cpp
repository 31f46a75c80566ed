#include "ops/import_format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

std::string Numbers(const RecordList& list) {
  std::string s;
  for (const device& d : list) {
    s.append(d.number()).append("|").append(d.price()).append(";");
  }
  return s;
}

TEST(ImportFormatTest, TakesSevenTokensAtATimeWhateverTheLines) {
  const struct {
    std::string content;
    size_t records;
    std::string numbers;
  } cases[] = {
      {"a b c d e f g h i j k l m n\n", 2, "a|g;h|n;"},
      {"a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm\nn\n", 2, "a|g;h|n;"},
      {"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20\n", 2, "1|7;8|14;"},
      {"", 0, ""},
      {" \t\r\n\v\f \n", 0, ""},
      {"a b c d e f g\r\nh i j k l m n\r\n", 2, "a|g;h|n;"},
      {"a b c d e f g", 1, "a|g;"},
      {"\n\n  a b c d e f", 0, ""},
      {"a\0 b c d e f \xff\x80"s, 1, "a\0|\xff\x80;"s},
  };
  for (const auto& c : cases) {
    RecordList list;
    ParseImportFile(c.content, list);
    EXPECT_EQ(list.size(), c.records) << c.content;
    EXPECT_EQ(Numbers(list), c.numbers) << c.content;
  }
}

TEST(ImportFormatTest, FillsTheFieldsInFileOrderAfterExistingRecords) {
  RecordList list = {device({"old", "", "", "", "", "", ""})};
  ParseImportFile("N 名称 U D 5 2042.1.1 9.9\n", list);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].number(), "old");
  const device& d = list[1];
  EXPECT_EQ(d.number(), "N");
  EXPECT_EQ(d.name(), "名称");
  EXPECT_EQ(d.user(), "U");
  EXPECT_EQ(d.department(), "D");
  EXPECT_EQ(d.quantity(), "5");
  EXPECT_EQ(d.time(), "2042.1.1");
  EXPECT_EQ(d.price(), "9.9");
}

TEST(ImportFormatTest, RecordFileReadBackFallsOutOfStep) {
  RecordList list;
  ParseImportFile("1 a b c d e f g\n2 h i j k l m n\n", list);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].number(), "1");
  EXPECT_EQ(list[0].price(), "f");
  EXPECT_EQ(list[1].number(), "g");
}

}  // namespace
