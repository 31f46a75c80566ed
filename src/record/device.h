// The device record: a storage serial and seven text fields, held by value
// everywhere, and `obj`, the fixed table of the fields' labels used by the
// display line and the prompts of single entry.
#ifndef DEVMGR_RECORD_DEVICE_H_
#define DEVMGR_RECORD_DEVICE_H_

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/big_allocator.h"
#include "record/shared_bytes.h"

struct device {
  // The record's 1-based position in the list, given by the last save;
  // 0 until a save numbers a new record.
  int32_t serial = 0;
  // The texts view into `bytes` (or into static storage).
  std::string_view number;
  std::string_view name;
  std::string_view user;
  std::string_view department;
  std::string_view quantity;
  std::string_view time;
  std::string_view price;
  SharedBytes bytes;
};

// The seven text fields in field order: number, name, user, department,
// quantity, time, price.
using TextField = std::string_view device::*;
inline constexpr std::array<TextField, 7> kTextFields = {
    &device::number,   &device::name, &device::user, &device::department,
    &device::quantity, &device::time, &device::price};

// A record with serial 0 holding copies of the seven texts, in field order.
device MakeDevice(const std::array<std::string_view, 7>& texts);

// A list of records in display order: the record list, a history snapshot
// or a query or filter result.
using RecordList = std::vector<device, BigAllocator<device>>;

// Field labels: entries 0 to 7 in field order (serial first); 8 and 9 are
// empty and unused.
extern const std::array<std::string_view, 10> obj;

#endif  // DEVMGR_RECORD_DEVICE_H_
