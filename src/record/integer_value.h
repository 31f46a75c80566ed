// The integer value of a text: the decimal number at its start, an optional
// "+" or "-" followed by digits, read up to the first byte that is not a
// digit. A text that does not begin so has the value 0. Used for menu
// choices, the query keyword and a typed serial.
#ifndef DEVMGR_RECORD_INTEGER_VALUE_H_
#define DEVMGR_RECORD_INTEGER_VALUE_H_

#include <cstdint>
#include <optional>
#include <string_view>

// The value, or nothing when the leading number does not fit in 32 bits.
// Never overflows, whatever the length of the text.
std::optional<int32_t> IntegerValue(std::string_view text);

#endif  // DEVMGR_RECORD_INTEGER_VALUE_H_
