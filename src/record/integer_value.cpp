#include "record/integer_value.h"

#include <limits>

std::optional<int32_t> IntegerValue(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    i = 1;
  }
  const int64_t limit =
      int64_t{std::numeric_limits<int32_t>::max()} + (negative ? 1 : 0);
  int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}
