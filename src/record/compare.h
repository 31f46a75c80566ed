// How the program orders numbers and dates that it keeps as text.
//
// Numeric-text order (CmpStr): a shorter text comes first; texts of equal
// length compare byte by byte as unsigned values. So 9 < 09 < 10 and
// 100 < 99.5: signs, zeros and points are ordinary bytes.
//
// Date order (CmpTme): year, then month, then day, each compared in the
// numeric-text order. A date such as 2042.1.1 splits into the year (bytes
// 1-4), a separator that is never looked at (byte 5), the month (from byte 6
// up to the first "." among bytes 6, 7 and 8) and the day (after that ".").
// Texts of another shape are split the same way as far as it goes: a text
// shorter than four bytes is all year; with no "." among bytes 6 to 8 the
// month is everything from byte 6 on and the day is empty. Each text is
// split on its own, so the order stays a strict weak ordering over all
// byte strings and sorting by it is always well defined.
//
// The three-argument forms are range tests with both bounds included.
#ifndef DEVMGR_RECORD_COMPARE_H_
#define DEVMGR_RECORD_COMPARE_H_

#include <string_view>

// True when `a` comes strictly before `b` in the numeric-text order.
bool CmpStr(std::string_view a, std::string_view b);

// True when `x` equals `lo` or `hi`, or lo < x < hi in the numeric-text
// order. Reversed bounds pass only values equal to one of them.
bool CmpStr(std::string_view lo, std::string_view x, std::string_view hi);

// A date text split into year, month and day by the rule above; the parts
// view into the text.
struct DateParts {
  std::string_view year, month, day;
};
DateParts SplitDate(std::string_view text);

// True when date `a` comes strictly before date `b`.
bool CmpTme(std::string_view a, std::string_view b);

// The date range test: `x` equals a bound as text, or lo < x < hi in the
// date order.
bool CmpTme(std::string_view lo, std::string_view x, std::string_view hi);

// True when date parts `a` come strictly before `b`: year, then month, then
// day, each in the numeric-text order.
bool DateBefore(const DateParts& a, const DateParts& b);

#endif  // DEVMGR_RECORD_COMPARE_H_
