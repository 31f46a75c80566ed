#include "record/range.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Texts around the bounds a user types: numbers with and without leading
// zeros and points, dates of the usual shape, dates equivalent to others
// without being equal (any separator byte, a longer year), and texts of
// no date shape at all.
std::vector<std::string> Texts() {
  std::vector<std::string> texts = {
      "",           "0",         "9",          "09",         "10",
      "100",        "99.5",      "2000",       "02000",      "666",
      "2333",       "号",        "2042",       "20421",      "2042.",
      "2042.1",     "2042.1.1",  "2042/1.1",   "2042-1.1",   "2042.01.1",
      "2042.1.01",  "2042.12.1", "2042.2.1",   "2042.12.31", "2041.12.31",
      "2077.12.31", "2042.123",  "2042.12",    "2042.1.1.1", "204",
      "2042.1.1 ",  "2000.1.1",  "2030.12.31", "2035.9.1",   "1999.12.31",
  };
  return texts;
}

// Every bound pair, ordered, reversed or equal, against every text: the
// prepared ranges must answer as the three-argument tests do.
TEST(RangeTest, PreparedRangesAnswerAsTheRangeTests) {
  const std::vector<std::string> texts = Texts();
  for (const std::string& lo : texts) {
    for (const std::string& hi : texts) {
      const NumericRange numbers(lo, hi);
      const DateRange dates(lo, hi);
      for (const std::string& x : texts) {
        ASSERT_EQ(numbers.Contains(x), CmpStr(lo, x, hi))
            << lo << " " << x << " " << hi;
        ASSERT_EQ(dates.Contains(x), CmpTme(lo, x, hi))
            << lo << " " << x << " " << hi;
      }
    }
  }
}

}  // namespace
