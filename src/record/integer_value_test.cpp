#include "record/integer_value.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(IntegerValueTest, ReadsTheLeadingSignedNumber) {
  const struct {
    std::string text;
    std::optional<int32_t> value;
  } cases[] = {
      {"12ab", 12},
      {"007", 7},
      {"-3", -3},
      {"+5", 5},
      {"abc", 0},
      {"", 0},
      {"+", 0},
      {"-", 0},
      {"+-1", 0},
      {"1.5", 1},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"00000000000000000000012", 12},
      {std::string(100000, '9'), std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IntegerValue(c.text), c.value) << c.text.substr(0, 30);
  }
}

}  // namespace
