// The range tests of the numeric-text and date orders with their bounds
// prepared once, for testing many texts against the same bounds: a filter
// over the whole list. Each answers exactly as the three-argument CmpStr or
// CmpTme with the same bounds: a text equal to a bound, or strictly between
// them. A range views its bounds' texts: they must outlive it.
#ifndef DEVMGR_RECORD_RANGE_H_
#define DEVMGR_RECORD_RANGE_H_

#include <string_view>

#include "record/compare.h"
#include "record/packed_date.h"

class NumericRange {
 public:
  NumericRange(std::string_view lo, std::string_view hi);
  bool Contains(std::string_view x) const {
    // The numeric-text order is total, so with ordered bounds the range is
    // lo <= x <= hi; reversed bounds hold only themselves.
    if (ordered_) return Compare(lo_, x) <= 0 && Compare(x, hi_) <= 0;
    return x == lo_ || x == hi_;
  }

 private:
  static int Compare(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b);  // as unsigned bytes, like CmpStr
  }

  std::string_view lo_, hi_;
  bool ordered_;
};

class DateRange {
 public:
  DateRange(std::string_view lo, std::string_view hi);
  bool Contains(std::string_view x) const;

 private:
  std::string_view lo_, hi_;
  DateParts lo_parts_, hi_parts_;
  uint64_t lo_year_, hi_year_;
  // Both bounds in the usual date shape, packed; dates of that shape are
  // then compared as integers.
  bool packed_;
  PackedDateKey lo_key_, hi_key_;
};

#endif  // DEVMGR_RECORD_RANGE_H_
