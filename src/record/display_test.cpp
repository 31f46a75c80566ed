#include "record/display.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(PutDevTest, PrintsEightLabelledFieldsOnOneLine) {
  device d =
      device({"A01", "电脑", "张三", "财务部", "10", "2042.1.1", "99.5"});
  d.serial = -12;
  std::ostringstream out;
  PutDev(out, d);
  EXPECT_EQ(out.str(),
            "存储序列号:-12 设备编号:A01 设备名称:电脑 领用人:张三 "
            "所属部门:财务部 数量:10 购买时间:2042.1.1 价格:99.5\n");
}

TEST(PutDevTest, PrintsValuesByteForByte) {
  device d = device(
      {std::string_view("a\0b", 3), "\xff\x81", "u", "d", "q", "t", "p"});
  d.serial = 3;
  std::ostringstream out;
  PutDev(out, d);
  EXPECT_EQ(out.str(), "存储序列号:3 设备编号:" + std::string("a\0b", 3) +
                           " 设备名称:\xff\x81 领用人:u 所属部门:d 数量:q "
                           "购买时间:t 价格:p\n");
}

TEST(PutDevTest, FlushesAfterTheLine) {
  // A buffer that only hands its bytes on when flushed.
  struct Held : std::stringbuf {
    int syncs = 0;
    int sync() override {
      ++syncs;
      return 0;
    }
  } held;
  std::ostream held_out(&held);
  PutDev(held_out, device{});
  EXPECT_EQ(held.syncs, 1);
}

}  // namespace
