#include "ops/sort.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/prefetch.h"
#include "prompt.h"
#include "record/compare.h"
#include "record/display.h"
#include "record/packed_date.h"
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
// sixteen bytes as two big-endian numbers, so most comparisons are integer
// comparisons (device numbers, quantities and prices are short). Same order
// as CmpStr.
struct NumericKey {
  static constexpr size_t kPrefix = 16;
  static std::optional<NumericKey> From(std::string_view t) {
    return NumericKey(t);
  }
  explicit NumericKey(std::string_view t) : text(t) {
    unsigned char bytes[kPrefix] = {};
    if (!t.empty()) std::memcpy(bytes, t.data(), std::min(t.size(), kPrefix));
    for (size_t i = 0; i < 8; ++i) {
      high = high << 8 | bytes[i];
      low = low << 8 | bytes[i + 8];
    }
  }
  bool operator<(const NumericKey& other) const {
    if (text.size() != other.text.size()) {
      return text.size() < other.text.size();
    }
    if (high != other.high) return high < other.high;
    if (low != other.low) return low < other.low;
    return text.size() > kPrefix &&
           std::memcmp(text.data() + kPrefix, other.text.data() + kPrefix,
                       text.size() - kPrefix) < 0;
  }
  std::string_view text;
  uint64_t high = 0;
  uint64_t low = 0;
};

// A text prepared for the date order: year, month and day, each a key of
// the numeric-text order. Same order as CmpTme.
struct DateKey {
  static std::optional<DateKey> From(std::string_view t) { return DateKey(t); }
  explicit DateKey(std::string_view t) : DateKey(SplitDate(t)) {}
  explicit DateKey(const DateParts& parts)
      : year(parts.year), month(parts.month), day(parts.day) {}
  bool operator<(const DateKey& other) const {
    if (year < other.year || other.year < year) return year < other.year;
    if (month < other.month || other.month < month) return month < other.month;
    return day < other.day;
  }
  NumericKey year, month, day;
};

// Moves the records into their sorted order in place: from[i] names the
// record that belongs at position i. Each cycle of the permutation is
// followed hole by hole, and is set to i once that place is filled. Each
// step would wait for its record to come from memory, so the records a few
// steps further along the cycle are asked for early.
void PlaceInOrder(
    RecordList::iterator first,
    std::vector<std::ptrdiff_t, BigAllocator<std::ptrdiff_t>>& from) {
  constexpr int kAhead = 16;
  const std::ptrdiff_t count = static_cast<std::ptrdiff_t>(from.size());
  std::ptrdiff_t* const next = from.data();
  for (std::ptrdiff_t i = 0; i < count; ++i) {
    if (next[i] == i) continue;
    std::ptrdiff_t ahead = i;
    for (int d = 0; d < kAhead && next[ahead] != i; ++d) {
      ahead = next[ahead];
      PrefetchForRead(&first[ahead], sizeof(device));
    }
    device held = std::move(first[i]);
    std::ptrdiff_t hole = i;
    while (next[hole] != i) {
      if (next[ahead] != i) {
        ahead = next[ahead];
        PrefetchForRead(&first[ahead], sizeof(device));
      }
      const std::ptrdiff_t source = next[hole];
      first[hole] = std::move(first[source]);
      next[hole] = hole;
      hole = source;
    }
    first[hole] = std::move(held);
    next[hole] = hole;
  }
}

// Sorts [first, last) by `field` with keys of type Key: the keys are
// prepared once and sorted with the records' positions, and only then are
// the records moved into their new order. False, with nothing changed, when
// some record's text has no key of type Key.
template <typename Key>
bool SortBy(RecordList::iterator first, RecordList::iterator last,
            TextField field, bool descending) {
  struct Entry {
    Key key;
    std::ptrdiff_t position;
  };
  std::vector<Entry, BigAllocator<Entry>> entries;
  entries.reserve(static_cast<size_t>(last - first));
  for (auto it = first; it != last; ++it) {
    const std::optional<Key> key = Key::From(it->text(field));
    if (!key) return false;
    entries.push_back({*key, it - first});
  }
  if (descending) {
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return b.key < a.key; });
  } else {
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.key < b.key; });
  }
  std::vector<std::ptrdiff_t, BigAllocator<std::ptrdiff_t>> from;
  from.reserve(entries.size());
  for (const Entry& e : entries) from.push_back(e.position);
  entries = {};  // the keys are done with; free them before the moves
  PlaceInOrder(first, from);
  return true;
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
  static constexpr TextField kKeys[] = {kNumber, kQuantity, kTime, kPrice};
  const TextField field = kKeys[(k - 1) % 4];
  const bool descending = k > 4;
  if (field == kTime) {
    // Dates of the usual shape sort as packed integers; one of another
    // shape sends the whole sort to the general date key.
    if (!SortBy<PackedDateKey>(first, last, field, descending)) {
      SortBy<DateKey>(first, last, field, descending);
    }
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
