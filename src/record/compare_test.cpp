#include "record/compare.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct PairCase {
  const char* a;
  const char* b;
  bool before;
};

struct RangeCase {
  const char* lo;
  const char* x;
  const char* hi;
  bool inside;
};

TEST(CmpStrTest, OrdersShorterFirstThenByUnsignedBytes) {
  const PairCase cases[] = {
      {"9", "10", true},      {"10", "9", false},       {"10", "09", false},
      {"09", "9", false},     {"100", "99.5", true},    {"3", "-5", true},
      {"A9", "A10", true},    {"7", "7", false},        {"ab", "号", true},
      {"9", "09", true},      {"09", "10", true},       {"", "0", true},
      {"0", "", false},       {"", "", false},          {"号", "ab", false},
      {"\x7f", "\x80", true}, {"a\x01", "a\xff", true},
  };
  for (const PairCase& c : cases) {
    EXPECT_EQ(CmpStr(c.a, c.b), c.before) << c.a << " vs " << c.b;
  }
}

TEST(CmpStrTest, RangeIncludesBothBounds) {
  const RangeCase cases[] = {
      {"1", "5", "8", true},           {"1", "8", "8", true},
      {"1", "01", "8", false},         {"1", "13", "12", false},
      {"666", "1000", "2333", true},   {"2333", "1000", "666", false},
      {"2333", "2333", "666", true},   {"2333", "666", "666", true},
      {"1", "1", "0", true},           {"1", "0", "0", true},
      {"1", "", "0", false},           {"666", "0700", "2333", true},
      {"666", "02000", "2333", false}, {"10", "12.5", "20", false},
      {"5", "5", "5", true},           {"5", "6", "5", false},
  };
  for (const RangeCase& c : cases) {
    EXPECT_EQ(CmpStr(c.lo, c.x, c.hi), c.inside)
        << c.lo << " " << c.x << " " << c.hi;
  }
}

TEST(CmpStrTest, MenuRangeOneToEightPassesExactlyTheEightDigits) {
  for (const char* ok : {"1", "2", "3", "4", "5", "6", "7", "8"}) {
    EXPECT_TRUE(CmpStr("1", ok, "8")) << ok;
  }
  for (const char* bad : {"0", "9", "01", "08", "+1", "1.0", "", "a", "10"}) {
    EXPECT_FALSE(CmpStr("1", bad, "8")) << bad;
  }
}

TEST(CmpTmeTest, OrdersByYearMonthDayAsNumericText) {
  const PairCase cases[] = {
      {"2042.1.1", "2042.1.10", true},  {"2042.2.1", "2042.12.1", true},
      {"2042.12.1", "2042.2.1", false}, {"2041.12.31", "2042.1.1", true},
      {"2042.9.1", "2042.09.1", true},  {"2042.1.1", "999.1.1", true},
      {"2042.1.1", "2042/1.1", false},  {"2042/1.1", "2042.1.1", false},
      {"2042.1.1", "2042.1.01", true},  {"2042.09.1", "2042.10.1", true},
      {"2042..5", "2042.1.1", true},    {"2042.1.", "2042.1.1", true},
      {"2042.1.1", "2042.1.", false},   {"2042.12.31", "2042.12.31", false},
      {"999.1.1", "2042.1.1", false},
  };
  for (const PairCase& c : cases) {
    EXPECT_EQ(CmpTme(c.a, c.b), c.before) << c.a << " vs " << c.b;
  }
}

TEST(CmpTmeTest, RangeComparesWholeTextsWithTheBoundsFirst) {
  const RangeCase cases[] = {
      {"2042.1.1", "2042.3.5", "2077.12.31", true},
      {"2042.1.1", "2078.1.1", "2077.12.31", false},
      {"2042.1.1", "2042.01.01", "2042.1.1", false},
      {"2042.1.1", "2050.6.15", "2077.12.31", true},
      {"2042.1.1", "2042.1.1", "2077.12.31", true},
      {"2042.1.1", "2077.12.31", "2077.12.31", true},
      {"2077.12.31", "2050.6.15", "2042.1.1", false},
      {"2077.12.31", "2042.1.1", "2042.1.1", true},
      // Equivalent to both bounds without being either: not strictly inside.
      {"2042.1.1", "2042/1.1", "2042.1.1", false},
  };
  for (const RangeCase& c : cases) {
    EXPECT_EQ(CmpTme(c.lo, c.x, c.hi), c.inside)
        << c.lo << " " << c.x << " " << c.hi;
  }
}

TEST(CmpTmeTest, TextsOutsideTheDateShapeStillCompare) {
  const PairCase cases[] = {
      {"", "1", true},
      {"204", "2042", true},
      {"2042", "2042.1.1", true},
      {"20421", "2042.1.1", true},
      {"2042.123", "2042.1.1", false},
      {"2042.12", "2042.12.1", true},
      {"2042.12", "2042.123", true},
      {"2042.1/1", "2042.1.1", false},
  };
  for (const PairCase& c : cases) {
    EXPECT_EQ(CmpTme(c.a, c.b), c.before) << c.a << " vs " << c.b;
  }
}

// Both two-argument orders must be strict weak orderings over any bytes,
// or sorting by them would be undefined.
template <typename Less>
void ExpectStrictWeakOrdering(Less less, const std::vector<std::string>& v) {
  auto equiv = [&](const std::string& a, const std::string& b) {
    return !less(a, b) && !less(b, a);
  };
  for (const std::string& a : v) {
    ASSERT_FALSE(less(a, a)) << a;
    for (const std::string& b : v) {
      if (less(a, b)) {
        ASSERT_FALSE(less(b, a)) << a << " " << b;
      }
      for (const std::string& c : v) {
        if (less(a, b) && less(b, c)) {
          ASSERT_TRUE(less(a, c)) << a << " " << b << " " << c;
        }
        if (equiv(a, b) && equiv(b, c)) {
          ASSERT_TRUE(equiv(a, c)) << a << " " << b << " " << c;
        }
      }
    }
  }
}

std::vector<std::string> RandomTexts(size_t count, unsigned seed) {
  const std::vector<std::string> pieces = {"0", "1", "2",  "9",  ".",
                                           "/", "-", "号", "20", "2042."};
  std::mt19937 rng(seed);
  std::vector<std::string> texts;
  for (size_t i = 0; i < count; ++i) {
    std::string t;
    size_t n = rng() % 8;
    for (size_t j = 0; j < n; ++j) t += pieces[rng() % pieces.size()];
    texts.push_back(t);
  }
  return texts;
}

TEST(CmpTmeTest, IsAStrictWeakOrderingOverRandomTexts) {
  // 3000 texts in 15 groups keep the triple loop affordable.
  for (unsigned seed = 0; seed < 15; ++seed) {
    ExpectStrictWeakOrdering(
        [](const std::string& a, const std::string& b) { return CmpTme(a, b); },
        RandomTexts(200, seed));
  }
}

TEST(CmpStrTest, IsAStrictWeakOrderingOverRandomTexts) {
  ExpectStrictWeakOrdering(
      [](const std::string& a, const std::string& b) { return CmpStr(a, b); },
      RandomTexts(200, 99));
}

}  // namespace
