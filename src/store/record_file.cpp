#include "store/record_file.h"

#include <charconv>

void NumberRecords(RecordList& list) {
  int32_t position = 0;
  for (device& d : list) d.serial = ++position;
}

Bytes FormatRecordFile(const RecordList& list) {
  size_t size = 0;
  for (const device& d : list) {
    size += 20;  // the serial, blanks and line break
    for (TextField field : kTextFields) size += d.text(field).size();
  }
  Bytes text;
  text.reserve(size);
  for (const device& d : list) {
    char digits[16];
    auto end = std::to_chars(digits, digits + sizeof digits, d.serial).ptr;
    text.append(digits, end);
    for (TextField field : kTextFields) {
      text += ' ';
      text += d.text(field);
    }
    text += '\n';
  }
  return text;
}
