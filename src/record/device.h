// The device record: a storage serial and seven text fields, held by value
// everywhere, and `obj`, the fixed table of the fields' labels used by the
// display line and the prompts of single entry.
//
// A record is one cache line, and keeps its texts inside itself when
// together they fit in kInlineBytes, as most records do: a list is then
// one block of memory, and reading it in any order (after a sort, say)
// reads it front to back. Longer texts go to a block of their own that
// copies of the record share; texts never change after a record is made,
// so the sharing cannot be seen and a record still behaves as a value.
#ifndef DEVMGR_RECORD_DEVICE_H_
#define DEVMGR_RECORD_DEVICE_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/big_allocator.h"

// The seven text fields, in field order.
enum TextField : uint8_t {
  kNumber,
  kName,
  kUser,
  kDepartment,
  kQuantity,
  kTime,
  kPrice
};
inline constexpr std::array<TextField, 7> kTextFields = {
    kNumber, kName, kUser, kDepartment, kQuantity, kTime, kPrice};

class alignas(64) device {
 public:
  // Texts this long in all fit inside the record.
  static constexpr size_t kInlineBytes = 53;

  device() = default;
  // A record with serial 0 holding copies of the seven texts, in field
  // order.
  explicit device(const std::array<std::string_view, 7>& texts);
  device(const device& other) noexcept;
  device(device&& other) noexcept;
  device& operator=(const device& other) noexcept;
  device& operator=(device&& other) noexcept;
  ~device();

  std::string_view text(TextField field) const {
    if (IsLong()) return LongText(field);
    const size_t begin = field == kNumber ? 0 : inline_ends_[field - 1];
    return {inline_bytes_.data() + begin, inline_ends_[field] - begin};
  }
  std::string_view number() const { return text(kNumber); }
  std::string_view name() const { return text(kName); }
  std::string_view user() const { return text(kUser); }
  std::string_view department() const { return text(kDepartment); }
  std::string_view quantity() const { return text(kQuantity); }
  std::string_view time() const { return text(kTime); }
  std::string_view price() const { return text(kPrice); }

  // The record's 1-based position in the list, given by the last save;
  // 0 until a save numbers a new record.
  int32_t serial = 0;

 private:
  struct LongTexts;

  // The first end marks a record whose texts are in a LongTexts; the
  // pointer to it is then kept among the inline bytes, at the record's
  // 16th byte: aligned, as memory checkers look for pointers only there.
  static constexpr uint8_t kLongMark = 0xff;
  static_assert(kInlineBytes < kLongMark);
  static constexpr size_t kPointerAt = 16 - sizeof(int32_t) - 7;

  bool IsLong() const { return inline_ends_[0] == kLongMark; }
  LongTexts* Long() const;
  void SetLong(LongTexts* texts);
  std::string_view LongText(TextField field) const;
  void Release();

  // The end of each text within the inline bytes.
  std::array<uint8_t, 7> inline_ends_{};
  std::array<char, kInlineBytes> inline_bytes_{};
};

static_assert(sizeof(device) == 64, "a record is one cache line");

// A list of records in display order: the record list, a history snapshot
// or a query or filter result.
using RecordList = std::vector<device, BigAllocator<device>>;

// Field labels: entries 0 to 7 in field order (serial first); 8 and 9 are
// empty and unused.
extern const std::array<std::string_view, 10> obj;

#endif  // DEVMGR_RECORD_DEVICE_H_
