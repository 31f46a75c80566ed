#include "ops/sort.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#include "prompt.h"
#include "record/compare.h"
#include "record/display.h"
#include "session.h"
#include "store/save.h"

namespace {

constexpr std::string_view kSortMenu =
    "\n"
    "*******************\n"
    "*  1-按设备编号升序 *\n"
    "*  2-按设备数量升序 *\n"
    "*  3-按购买时间升序 *\n"
    "*  4-按设备价格升序 *\n"
    "*  5-按设备编号降序 *\n"
    "*  6-按设备数量降序 *\n"
    "*  7-按购买时间降序 *\n"
    "*  8-按设备价格降序 *\n"
    "*******************\n";

constexpr std::string_view kWrongInput = "非法输入!\n";

// A text prepared for the numeric-text order: its length, then its first
// eight bytes as one big-endian number, so most comparisons are two integer
// comparisons. Same order as CmpStr.
struct NumericKey {
  explicit NumericKey(std::string_view t) : text(t) {
    unsigned char bytes[8] = {};
    if (!t.empty()) std::memcpy(bytes, t.data(), std::min<size_t>(t.size(), 8));
    for (unsigned char b : bytes) prefix = prefix << 8 | b;
  }
  bool operator<(const NumericKey& other) const {
    if (text.size() != other.text.size()) {
      return text.size() < other.text.size();
    }
    if (prefix != other.prefix) return prefix < other.prefix;
    return text.size() > 8 &&
           std::memcmp(text.data() + 8, other.text.data() + 8,
                       text.size() - 8) < 0;
  }
  std::string_view text;
  uint64_t prefix = 0;
};

// A text prepared for the date order: year, month and day, each a key of
// the numeric-text order. Same order as CmpTme.
struct DateKey {
  explicit DateKey(std::string_view t)
      : year(t.substr(0, 4)), month(DatePart(t, 1)), day(DatePart(t, 2)) {}
  bool operator<(const DateKey& other) const {
    if (year < other.year || other.year < year) return year < other.year;
    if (month < other.month || other.month < month) return month < other.month;
    return day < other.day;
  }
  // Part 1 is the month, part 2 the day, split as CmpTme splits them.
  static std::string_view DatePart(std::string_view t, int part) {
    if (t.size() <= 5) return {};
    size_t end = t.find('.', 5);
    if (end == std::string_view::npos || end > 7) {
      return part == 1 ? t.substr(5) : std::string_view();
    }
    return part == 1 ? t.substr(5, end - 5) : t.substr(end + 1);
  }
  NumericKey year, month, day;
};

// Sorts [first, last) by `field` with keys of type Key: the keys are
// prepared once and sorted with the records' positions, and only then are
// the records moved, once, into their new order.
template <typename Key>
void SortBy(RecordList::iterator first, RecordList::iterator last,
            TextField field, bool descending) {
  struct Entry {
    Key key;
    std::ptrdiff_t position;
  };
  std::vector<Entry, BigAllocator<Entry>> entries;
  entries.reserve(static_cast<size_t>(last - first));
  for (auto it = first; it != last; ++it) {
    entries.push_back({Key(*it.*field), it - first});
  }
  if (descending) {
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return b.key < a.key; });
  } else {
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.key < b.key; });
  }
  RecordList sorted;
  sorted.reserve(entries.size());
  for (const Entry& e : entries) sorted.push_back(std::move(first[e.position]));
  std::move(sorted.begin(), sorted.end(), first);
}

// Asks whether to browse the sorted list; one character is read at a time
// and only "y" and "n" are answers.
void OfferBrowse(Session& s) {
  s.out() << "是否浏览数据?(y/n)\n";
  for (;;) {
    char answer = ReadAnswerChar(s);
    if (answer == 'y') {
      ViewDev(s);
      return;
    }
    if (answer == 'n') {
      ReturnMenu(s);
      return;
    }
    s.out() << "非法输入，请重新输入:";
  }
}

}  // namespace

void sort(RecordList::iterator first, RecordList::iterator last, int k) {
  if (k < 1 || k > 8) return;
  // Orders 1-4 ascending and 5-8 descending by number, quantity, time, price.
  static constexpr TextField kKeys[] = {&device::number, &device::quantity,
                                        &device::time, &device::price};
  const TextField field = kKeys[(k - 1) % 4];
  const bool descending = k > 4;
  if (field == &device::time) {
    SortBy<DateKey>(first, last, field, descending);
  } else {
    SortBy<NumericKey>(first, last, field, descending);
  }
}

void SortDev(Session& s) {
  s.out() << kSortMenu;
  const std::string choice = ReadChoice(s, "1", "8", kWrongInput);
  const int64_t start = s.env.NowMillis();
  sort(s.dev.begin(), s.dev.end(), choice[0] - '0');
  const int64_t end = s.env.NowMillis();
  s.out() << "排序完成, 耗时 ";
  PutMillis(s, start, end);
  CommitDev(s);
  OfferBrowse(s);
}
