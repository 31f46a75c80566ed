#include "ops/sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "record/compare.h"

namespace {

// Records whose `field` holds `values` in turn; the other texts are empty.
// cppcheck-suppress constParameter
RecordList WithField(TextField field, const std::vector<std::string>& values) {
  RecordList list;
  int32_t serial = 0;
  for (const std::string& v : values) {
    std::array<std::string_view, 7> texts;
    for (size_t i = 0; i < texts.size(); ++i) {
      if (kTextFields[i] == field) texts[i] = v;
    }
    list.emplace_back(texts);
    list.back().serial = ++serial;
  }
  return list;
}

std::vector<std::string> Field(const RecordList& list, TextField field) {
  std::vector<std::string> values;
  for (const device& d : list) values.emplace_back(d.text(field));
  return values;
}

TEST(SortTest, OrdersOfTheExamples) {
  using V = std::vector<std::string>;
  const struct {
    int k;
    TextField field;
    V before;
    V after;
  } cases[] = {
      {2, kQuantity, {"10", "9", "09"}, {"9", "09", "10"}},
      {6, kQuantity, {"10", "9", "09"}, {"10", "09", "9"}},
      {4, kPrice, {"99.5", "5", "100"}, {"5", "100", "99.5"}},
      {8, kPrice, {"99.5", "5", "100"}, {"99.5", "100", "5"}},
      {3,
       kTime,
       {"2042.12.1", "2042.2.1", "2041.12.31"},
       {"2041.12.31", "2042.2.1", "2042.12.1"}},
      {7,
       kTime,
       {"2042.12.1", "2042.2.1", "2041.12.31"},
       {"2042.12.1", "2042.2.1", "2041.12.31"}},
      {1, kNumber, {"A10", "A9", "B1"}, {"A9", "B1", "A10"}},
      {5, kNumber, {"A10", "A9", "B1"}, {"A10", "B1", "A9"}},
  };
  for (const auto& c : cases) {
    RecordList list = WithField(c.field, c.before);
    sort(list.begin(), list.end(), c.k);
    EXPECT_EQ(Field(list, c.field), c.after) << "order " << c.k;
  }
}

TEST(SortTest, OtherOrderNumbersLeaveTheRangeAlone) {
  for (int k : {0, 9, -1}) {
    RecordList list = WithField(kNumber, {"3", "1", "2"});
    sort(list.begin(), list.end(), k);
    EXPECT_EQ(Field(list, kNumber), (std::vector<std::string>{"3", "1", "2"}));
  }
}

enum class Dates { kAnyText, kUsualShape };

// A short text of digits, signs, points and a GBK character; as a date,
// either that or (kUsualShape) a four-byte year, a separator, a month of
// up to two bytes, "." and a day of up to two bytes.
// cppcheck-suppress constParameter
std::string RandomText(std::mt19937& rng, bool date, Dates dates) {
  static const std::vector<std::string> pieces = {"0", "1", "2",  "9",
                                                  ".", "-", "号", "/"};
  auto digits = [&](size_t n) {
    std::string t;
    for (; n > 0; --n) t += static_cast<char>('0' + rng() % 10);
    return t;
  };
  if (date && dates == Dates::kUsualShape) {
    return std::to_string(1990 + rng() % 60) + (rng() % 8 != 0 ? "." : "/") +
           digits(rng() % 3) + "." + digits(rng() % 3);
  }
  if (date && rng() % 2 == 0) {
    return std::to_string(1990 + rng() % 60) + "." +
           std::to_string(1 + rng() % 12) + "." +
           std::to_string(1 + rng() % 31);
  }
  std::string t;
  for (size_t n = rng() % 6; n > 0; --n) t += pieces[rng() % pieces.size()];
  return t;
}

// Every order keeps each record exactly once and leaves no record before
// the one in front of it, also with equal keys and malformed dates.
void ExpectEveryOrderSortsRandomRecords(Dates dates) {
  std::mt19937 rng(7);
  RecordList list;
  for (int32_t i = 0; i < 4000; ++i) {
    std::string number = RandomText(rng, false, dates);
    std::string quantity = RandomText(rng, false, dates);
    std::string time = RandomText(rng, true, dates);
    std::string price = RandomText(rng, false, dates);
    list.push_back(device({number, "", "", "", quantity, time, price}));
    list.back().serial = i;
  }
  struct Order {
    TextField field;
    bool (*before)(std::string_view, std::string_view);
  };
  const Order orders[] = {{kNumber, CmpStr},
                          {kQuantity, CmpStr},
                          {kTime, CmpTme},
                          {kPrice, CmpStr}};
  for (int k = 1; k <= 8; ++k) {
    const Order& o = orders[(k - 1) % 4];
    const bool descending = k > 4;
    RecordList sorted = list;
    sort(sorted.begin(), sorted.end(), k);
    std::vector<int32_t> serials;
    for (const device& d : sorted) serials.push_back(d.serial);
    std::sort(serials.begin(), serials.end());
    for (size_t i = 0; i < serials.size(); ++i) {
      ASSERT_EQ(serials[i], static_cast<int32_t>(i)) << k;
    }
    for (size_t i = 1; i < sorted.size(); ++i) {
      std::string_view prev = sorted[i - 1].text(o.field);
      std::string_view cur = sorted[i].text(o.field);
      ASSERT_FALSE(descending ? o.before(prev, cur) : o.before(cur, prev))
          << "order " << k << " at " << i;
    }
  }
}

TEST(SortTest, EveryOrderSortsRandomRecordsWithMalformedDates) {
  ExpectEveryOrderSortsRandomRecords(Dates::kAnyText);
}

// Dates of the usual shape take a faster path of their own.
TEST(SortTest, EveryOrderSortsRandomRecordsWithUsualDates) {
  ExpectEveryOrderSortsRandomRecords(Dates::kUsualShape);
}

}  // namespace
