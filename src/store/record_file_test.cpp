#include "store/record_file.h"

#include <gtest/gtest.h>

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
}

}  // namespace
