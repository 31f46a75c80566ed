#include "record/compare.h"

#include <cstring>

DateParts SplitDate(std::string_view text) {
  constexpr size_t kYear = 4;
  constexpr size_t kMonth = 5;  // 0-based index of byte 6
  DateParts parts;
  parts.year = text.substr(0, kYear);
  if (text.size() <= kMonth) return parts;
  size_t month_end = std::string_view::npos;
  for (size_t i = kMonth; i < kMonth + 3 && i < text.size(); ++i) {
    if (text[i] == '.') {
      month_end = i;
      break;
    }
  }
  if (month_end == std::string_view::npos) {
    parts.month = text.substr(kMonth);
    return parts;
  }
  parts.month = text.substr(kMonth, month_end - kMonth);
  parts.day = text.substr(month_end + 1);
  return parts;
}

namespace {

// The range rule shared by both orders: equal to a bound, or strictly
// between the bounds.
template <typename Before>
bool InRange(std::string_view lo, std::string_view x, std::string_view hi,
             Before before) {
  if (x == lo || x == hi) return true;
  return before(lo, x) && before(x, hi);
}

}  // namespace

bool CmpStr(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return a.size() < b.size();
  // memcmp compares as unsigned char, so GBK bytes sort above ASCII.
  return !a.empty() && std::memcmp(a.data(), b.data(), a.size()) < 0;
}

bool CmpStr(std::string_view lo, std::string_view x, std::string_view hi) {
  return InRange(lo, x, hi, [](std::string_view a, std::string_view b) {
    return CmpStr(a, b);
  });
}

bool DateBefore(const DateParts& a, const DateParts& b) {
  if (a.year != b.year) return CmpStr(a.year, b.year);
  if (a.month != b.month) return CmpStr(a.month, b.month);
  return CmpStr(a.day, b.day);
}

bool CmpTme(std::string_view a, std::string_view b) {
  // Texts whose first four bytes differ are ordered by those alone, without
  // splitting the rest.
  std::string_view year_a = a.substr(0, 4);
  std::string_view year_b = b.substr(0, 4);
  if (year_a != year_b) return CmpStr(year_a, year_b);
  return DateBefore(SplitDate(a), SplitDate(b));
}

bool CmpTme(std::string_view lo, std::string_view x, std::string_view hi) {
  return InRange(lo, x, hi, [](std::string_view a, std::string_view b) {
    return CmpTme(a, b);
  });
}
