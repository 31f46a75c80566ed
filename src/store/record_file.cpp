#include "store/record_file.h"

#include <charconv>

namespace {

// Large enough that a write costs little per byte, small enough to stay
// in the processor's cache between formatting and writing.
constexpr size_t kPieceBytes = size_t{256} << 10;

void AppendLine(const device& d, std::string& out) {
  char digits[16];
  char* end = std::to_chars(digits, digits + sizeof digits, d.serial).ptr;
  out.append(digits, end);
  for (TextField field : kTextFields) {
    out += ' ';
    out += d.text(field);
  }
  out += '\n';
}

}  // namespace

void NumberRecords(RecordList& list) {
  int32_t position = 0;
  for (device& d : list) d.serial = ++position;
}

std::string_view RecordFileSource::Next() {
  if (piece_.capacity() == 0) piece_.reserve(kPieceBytes + 1024);
  piece_.clear();
  while (next_ < list_.size() && piece_.size() < kPieceBytes) {
    AppendLine(list_[next_++], piece_);
  }
  return piece_;
}

Bytes FormatRecordFile(const RecordList& list) {
  RecordFileSource source(list);
  Bytes whole;
  for (std::string_view piece; !(piece = source.Next()).empty();) {
    whole += piece;
  }
  return whole;
}
