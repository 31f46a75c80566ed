#include "platform/console_io.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

std::string Rest(std::istream& in) {
  std::string rest;
  std::getline(in, rest, '\0');
  return rest;
}

TEST(ReadTokenTest, SkipsAllSixBlanksAndLeavesTheRest) {
  std::istringstream in(" \t\r\n\v\fab\xba\xc5\x01 cd");
  std::string token;
  ASSERT_TRUE(ReadToken(in, &token));
  EXPECT_EQ(token, "ab\xba\xc5\x01");
  ASSERT_TRUE(ReadToken(in, &token));
  EXPECT_EQ(token, "cd");
  EXPECT_FALSE(ReadToken(in, &token));
}

TEST(ReadTokenTest, KeepsNulBytesAndStopsOnlyAtBlanks) {
  std::istringstream in(std::string("a\0b\nx", 5));
  std::string token;
  ASSERT_TRUE(ReadToken(in, &token));
  EXPECT_EQ(token, std::string("a\0b", 3));
}

TEST(ReadTokenTest, EndOfInputAfterBlanksIsNoToken) {
  std::istringstream in("  \n ");
  std::string token;
  EXPECT_FALSE(ReadToken(in, &token));
}

TEST(ReadNonBlankCharTest, TakesOneByteAtATime) {
  std::istringstream in("\n  abc");
  char c = 0;
  ASSERT_TRUE(ReadNonBlankChar(in, &c));
  EXPECT_EQ(c, 'a');
  EXPECT_EQ(Rest(in), "bc");
}

TEST(ReadNonBlankCharTest, EndOfInput) {
  std::istringstream in(" \n");
  char c = 0;
  EXPECT_FALSE(ReadNonBlankChar(in, &c));
}

TEST(ReadDecimalTest, ReadsLikeAStreamExtractingAnInt) {
  const struct {
    const char* input;
    DecimalRead result;
    int32_t value;
    const char* rest;
  } cases[] = {
      {"  01 x", DecimalRead::kValue, 1, " x"},
      {"+2", DecimalRead::kValue, 2, ""},
      {"-7\n", DecimalRead::kValue, -7, "\n"},
      {"2x y", DecimalRead::kValue, 2, "x y"},
      {"0", DecimalRead::kValue, 0, ""},
      {"abc def", DecimalRead::kInvalid, 0, " def"},
      {"+x 1", DecimalRead::kInvalid, 0, " 1"},
      {"- 1", DecimalRead::kInvalid, 0, " 1"},
      {"2147483647 ", DecimalRead::kValue, 2147483647, " "},
      {"-2147483648 ", DecimalRead::kValue, -2147483647 - 1, " "},
      {"2147483648x 1", DecimalRead::kInvalid, 0, " 1"},
      {"99999999999999999999999 1", DecimalRead::kInvalid, 0, " 1"},
      {"", DecimalRead::kEnd, 0, ""},
      {" \n ", DecimalRead::kEnd, 0, ""},
      {"+", DecimalRead::kEnd, 0, ""},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.input);
    int32_t value = 0;
    EXPECT_EQ(ReadDecimal(in, &value), c.result) << c.input;
    if (c.result == DecimalRead::kValue) {
      EXPECT_EQ(value, c.value) << c.input;
    }
    EXPECT_EQ(Rest(in), c.rest) << c.input;
  }
}

TEST(ReadDecimalTest, HugeNumberIsDiscardedWhole) {
  std::istringstream in(std::string(100000, '7') + " 2");
  int32_t value = 0;
  EXPECT_EQ(ReadDecimal(in, &value), DecimalRead::kInvalid);
  EXPECT_EQ(ReadDecimal(in, &value), DecimalRead::kValue);
  EXPECT_EQ(value, 2);
}

}  // namespace
