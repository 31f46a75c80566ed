#include "platform/console_io.h"

#include <istream>
#include <limits>
#include <streambuf>

namespace {

using Traits = std::char_traits<char>;

bool IsDigit(int c) { return c >= '0' && c <= '9'; }

// Shows pending output, then skips blanks. Returns the stream buffer
// positioned on the first non-blank byte, or nullptr when input has ended.
std::streambuf* SkipBlanks(std::istream& in) {
  if (std::ostream* tied = in.tie()) tied->flush();
  std::streambuf* buf = in.rdbuf();
  if (buf == nullptr || !in.good()) return nullptr;
  for (;;) {
    int c = buf->sgetc();
    if (Traits::eq_int_type(c, Traits::eof())) {
      in.setstate(std::ios::eofbit);
      return nullptr;
    }
    if (!IsBlank(static_cast<unsigned char>(c))) return buf;
    buf->sbumpc();
  }
}

void DiscardToBlank(std::streambuf* buf) {
  for (;;) {
    int c = buf->sgetc();
    if (Traits::eq_int_type(c, Traits::eof()) ||
        IsBlank(static_cast<unsigned char>(c))) {
      return;
    }
    buf->sbumpc();
  }
}

}  // namespace

bool ReadToken(std::istream& in, std::string* token) {
  std::streambuf* buf = SkipBlanks(in);
  if (buf == nullptr) return false;
  token->clear();
  for (;;) {
    int c = buf->sgetc();
    if (Traits::eq_int_type(c, Traits::eof()) ||
        IsBlank(static_cast<unsigned char>(c))) {
      return true;
    }
    token->push_back(Traits::to_char_type(c));
    buf->sbumpc();
  }
}

bool ReadNonBlankChar(std::istream& in, char* c) {
  std::streambuf* buf = SkipBlanks(in);
  if (buf == nullptr) return false;
  *c = Traits::to_char_type(buf->sbumpc());
  return true;
}

DecimalRead ReadDecimal(std::istream& in, int32_t* value) {
  std::streambuf* buf = SkipBlanks(in);
  if (buf == nullptr) return DecimalRead::kEnd;
  int c = buf->sgetc();
  bool negative = c == '-';
  if (c == '-' || c == '+') {
    buf->sbumpc();
    c = buf->sgetc();
    if (Traits::eq_int_type(c, Traits::eof())) return DecimalRead::kEnd;
  }
  if (!IsDigit(c)) {
    DiscardToBlank(buf);
    return DecimalRead::kInvalid;
  }
  // Magnitude limit: 2^31 for a negative number, 2^31 - 1 otherwise.
  const int64_t limit =
      int64_t{std::numeric_limits<int32_t>::max()} + (negative ? 1 : 0);
  int64_t magnitude = 0;
  bool overflow = false;
  while (IsDigit(c)) {
    if (!overflow) {
      magnitude = magnitude * 10 + (c - '0');
      overflow = magnitude > limit;
    }
    buf->sbumpc();
    c = buf->sgetc();
  }
  if (overflow) {
    DiscardToBlank(buf);
    return DecimalRead::kInvalid;
  }
  *value = static_cast<int32_t>(negative ? -magnitude : magnitude);
  return DecimalRead::kValue;
}
