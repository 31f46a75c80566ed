// PackedDateKey: a date of the usual shape packed into two integers that
// order as the date order (CmpTme) does, so that sorting or filtering by
// purchase time compares integers instead of splitting texts again and
// again. The usual shape is a year of at most four bytes and a month and a
// day of at most two; each part becomes its length followed by its bytes,
// zero-padded, which is the numeric-text order of the part. Dates of any
// other shape do not fit and must be compared by CmpTme itself.
#ifndef DEVMGR_RECORD_PACKED_DATE_H_
#define DEVMGR_RECORD_PACKED_DATE_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "record/compare.h"

struct PackedDateKey {
  static bool Fits(const DateParts& parts) {
    return parts.month.size() <= 2 && parts.day.size() <= 2;
  }
  static bool Fits(std::string_view text) { return Fits(SplitDate(text)); }
  // The key of `text`, or nothing when it does not fit.
  static std::optional<PackedDateKey> From(std::string_view text) {
    const DateParts parts = SplitDate(text);
    if (!Fits(parts)) return std::nullopt;
    return PackedDateKey(parts);
  }

  PackedDateKey() = default;
  // The year of `text` alone, packed as in a key; it orders texts whose
  // years differ as the date order does, whatever their shape.
  static uint64_t PackYear(std::string_view text) {
    return Pack(text.substr(0, 4), 4);
  }

  // `parts` must fit.
  explicit PackedDateKey(const DateParts& parts)
      : high(Pack(parts.year, 4)),
        low(Pack(parts.month, 2) << 24 | Pack(parts.day, 2)) {}
  // `text` must fit.
  explicit PackedDateKey(std::string_view text)
      : PackedDateKey(SplitDate(text)) {}

  // Before in the date order; equal keys are equivalent dates.
  bool operator<(const PackedDateKey& other) const {
    return high != other.high ? high < other.high : low < other.low;
  }
  bool operator==(const PackedDateKey& other) const = default;

  uint64_t high = 0;
  uint64_t low = 0;

 private:
  static uint64_t Pack(std::string_view part, size_t width) {
    uint64_t code = part.size();
    for (size_t i = 0; i < width; ++i) {
      code = code << 8 |
             (i < part.size() ? static_cast<unsigned char>(part[i]) : 0u);
    }
    return code;
  }
};

#endif  // DEVMGR_RECORD_PACKED_DATE_H_
