// The device record: a storage serial and seven text fields, held by value
// everywhere, and `obj`, the fixed table of the fields' labels used by the
// display line and the prompts of single entry.
#ifndef DEVMGR_RECORD_DEVICE_H_
#define DEVMGR_RECORD_DEVICE_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct device {
  // The record's 1-based position in the list, given by the last save;
  // 0 until a save numbers a new record.
  int32_t serial = 0;
  std::string number;
  std::string name;
  std::string user;
  std::string department;
  std::string quantity;
  std::string time;
  std::string price;
};

// A list of records in display order: the record list, a history snapshot
// or a query or filter result.
using RecordList = std::vector<device>;

// Field labels: entries 0 to 7 in field order (serial first); 8 and 9 are
// empty and unused.
extern const std::array<std::string_view, 10> obj;

#endif  // DEVMGR_RECORD_DEVICE_H_
