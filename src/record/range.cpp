#include "record/range.h"

NumericRange::NumericRange(std::string_view lo, std::string_view hi)
    : lo_(lo), hi_(hi), ordered_(Compare(lo, hi) <= 0) {}

DateRange::DateRange(std::string_view lo, std::string_view hi)
    : lo_(lo),
      hi_(hi),
      lo_parts_(SplitDate(lo)),
      hi_parts_(SplitDate(hi)),
      lo_year_(PackedDateKey::PackYear(lo)),
      hi_year_(PackedDateKey::PackYear(hi)),
      packed_(PackedDateKey::Fits(lo_parts_) && PackedDateKey::Fits(hi_parts_)),
      lo_key_(packed_ ? PackedDateKey(lo_parts_) : PackedDateKey()),
      hi_key_(packed_ ? PackedDateKey(hi_parts_) : PackedDateKey()) {}

bool DateRange::Contains(std::string_view x) const {
  // A year unlike both bounds' years decides alone: x is neither bound, and
  // it is after a bound exactly when its year is.
  const uint64_t year = PackedDateKey::PackYear(x);
  if (year != lo_year_ && year != hi_year_) {
    return lo_year_ < year && year < hi_year_;
  }
  const DateParts parts = SplitDate(x);
  if (packed_ && PackedDateKey::Fits(parts)) {
    const PackedDateKey key(parts);
    if (lo_key_ < key && key < hi_key_) return true;
    // Outside, or equivalent to a bound: then only a bound's own text is in.
    if (!(key == lo_key_) && !(key == hi_key_)) return false;
    return x == lo_ || x == hi_;
  }
  if (x == lo_ || x == hi_) return true;
  return DateBefore(lo_parts_, parts) && DateBefore(parts, hi_parts_);
}
