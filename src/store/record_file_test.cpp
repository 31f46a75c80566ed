#include "store/record_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(RecordFileTest, OneLinePerRecordEightFieldsSingleBlanks) {
  RecordList list = {
      device({"A1", "电脑", "张三", "财务部", "10", "2042.1.1", "99.5"}),
      device({"B2", "n", "u", "d", "q", "t", "p"}),
  };
  list[0].serial = 4;
  list[1].serial = 7;
  NumberRecords(list);
  EXPECT_EQ(FormatRecordFile(list),
            "1 A1 电脑 张三 财务部 10 2042.1.1 99.5\n"
            "2 B2 n u d q t p\n");
}

TEST(RecordFileTest, NumberingReplacesEverySerialByItsPosition) {
  RecordList list(3);
  list[0].serial = 1;
  list[1].serial = 3;
  list[2].serial = 4;
  NumberRecords(list);
  EXPECT_EQ(list[0].serial, 1);
  EXPECT_EQ(list[1].serial, 2);
  EXPECT_EQ(list[2].serial, 3);
}

TEST(RecordFileTest, EmptyListIsAnEmptyFile) {
  EXPECT_EQ(FormatRecordFile({}), "");
  RecordList empty;
  EXPECT_EQ(RecordFileSource(empty).Next(), "");
}

// The file is handed over in pieces; together they must be the whole file,
// in order, with no line lost or doubled at a piece's edge, also around a
// record larger than a piece.
TEST(RecordFileTest, PiecesMakeUpTheWholeFile) {
  RecordList list;
  std::string expected;
  for (int i = 0; i < 30000; ++i) {
    const std::string number = "N" + std::to_string(i);
    const std::string price(i == 15000 ? size_t{1} << 20 : size_t(i % 9), '7');
    list.push_back(device({number, "名称", "u", "d", "1", "2042.1.1", price}));
    expected.append(std::to_string(i + 1)).append(" ").append(number);
    expected.append(" 名称 u d 1 2042.1.1 ").append(price).append("\n");
  }
  NumberRecords(list);
  RecordFileSource source(list);
  std::string whole;
  int pieces = 0;
  for (std::string_view piece; !(piece = source.Next()).empty(); ++pieces) {
    whole += piece;
  }
  EXPECT_GT(pieces, 2);
  EXPECT_EQ(whole.size(), expected.size());
  EXPECT_TRUE(whole == expected);
  EXPECT_EQ(source.Next(), "");
}

}  // namespace
