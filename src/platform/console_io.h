// The three ways the program reads its console: a whitespace-delimited
// token, one non-blank character, and a decimal integer read the way a
// C++ stream extracts an int. All three skip leading whitespace (space, tab,
// line feed, carriage return, vertical tab, form feed) and leave everything
// after what they took in the input, so answers can be typed ahead.
#ifndef DEVMGR_PLATFORM_CONSOLE_IO_H_
#define DEVMGR_PLATFORM_CONSOLE_IO_H_

#include <cstdint>
#include <iosfwd>
#include <string>

// True for the six bytes that separate tokens on the console and in files.
constexpr bool IsBlank(unsigned char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' ||
         c == '\f';
}

// Reads the next token into *token. False when input ends (or fails)
// before a token starts.
bool ReadToken(std::istream& in, std::string* token);

// Reads the next non-blank byte into *c. False when input ends first.
bool ReadNonBlankChar(std::istream& in, char* c);

enum class DecimalRead {
  kValue,    // *value holds the number; the byte after its digits is unread
  kInvalid,  // no number, or one outside the 32-bit range; the rest of that
             // answer, up to the next blank, has been discarded
  kEnd,      // input ended before a number could be read
};

// Reads an optional sign and the digits after it as a 32-bit integer.
DecimalRead ReadDecimal(std::istream& in, int32_t* value);

#endif  // DEVMGR_PLATFORM_CONSOLE_IO_H_
