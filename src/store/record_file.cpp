#include "store/record_file.h"

#include <charconv>

void NumberRecords(RecordList& list) {
  int32_t position = 0;
  for (device& d : list) d.serial = ++position;
}

std::string FormatRecordFile(const RecordList& list) {
  size_t size = 0;
  for (const device& d : list) {
    size += 12 + 8 + d.number.size() + d.name.size() + d.user.size() +
            d.department.size() + d.quantity.size() + d.time.size() +
            d.price.size();
  }
  std::string text;
  text.reserve(size);
  for (const device& d : list) {
    char digits[16];
    auto end = std::to_chars(digits, digits + sizeof digits, d.serial).ptr;
    text.append(digits, end);
    for (const std::string* field : {&d.number, &d.name, &d.user, &d.department,
                                     &d.quantity, &d.time, &d.price}) {
      text += ' ';
      text += *field;
    }
    text += '\n';
  }
  return text;
}
