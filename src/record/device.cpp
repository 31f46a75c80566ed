#include "record/device.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

const std::array<std::string_view, 10> obj = {
    "存储序列号", "设备编号", "设备名称", "领用人", "所属部门",
    "数量",       "购买时间", "价格",     "",       "",
};

// Texts too long to fit inside a record, with the copies' count, in one
// allocation: the header, then the bytes. The count is not atomic, as the
// program has one thread.
struct device::LongTexts {
  size_t refs;
  std::array<size_t, 7> ends;

  const char* bytes() const { return reinterpret_cast<const char*>(this + 1); }
  char* bytes() { return reinterpret_cast<char*>(this + 1); }

  static LongTexts* Make(const std::array<std::string_view, 7>& texts,
                         size_t total) {
    void* block = ::operator new(sizeof(LongTexts) + total);
    // cppcheck-suppress unreadVariable ; placement new, read below
    auto* made = new (block) LongTexts{1, {}};
    size_t end = 0;
    for (size_t i = 0; i < texts.size(); ++i) {
      std::copy(texts[i].begin(), texts[i].end(), made->bytes() + end);
      end += texts[i].size();
      made->ends[i] = end;
    }
    return made;
  }
  static void Free(LongTexts* texts) {
    texts->~LongTexts();
    ::operator delete(texts);
  }
};

device::device(const std::array<std::string_view, 7>& texts) {
  size_t total = 0;
  for (std::string_view t : texts) total += t.size();
  if (total <= kInlineBytes) {
    size_t end = 0;
    for (size_t i = 0; i < texts.size(); ++i) {
      std::copy(texts[i].begin(), texts[i].end(), inline_bytes_.data() + end);
      end += texts[i].size();
      inline_ends_[i] = static_cast<uint8_t>(end);
    }
    return;
  }
  SetLong(LongTexts::Make(texts, total));
}

device::LongTexts* device::Long() const {
  void* address = nullptr;
  std::memcpy(&address, inline_bytes_.data() + kPointerAt, sizeof address);
  return static_cast<LongTexts*>(address);
}

void device::SetLong(LongTexts* texts) {
  inline_ends_[0] = kLongMark;
  void* address = texts;
  std::memcpy(inline_bytes_.data() + kPointerAt, &address, sizeof address);
}

device::device(const device& other) noexcept
    : serial(other.serial),
      inline_ends_(other.inline_ends_),
      inline_bytes_(other.inline_bytes_) {
  if (IsLong()) ++Long()->refs;
}

device::device(device&& other) noexcept
    : serial(other.serial),
      inline_ends_(other.inline_ends_),
      inline_bytes_(other.inline_bytes_) {
  if (IsLong()) other.inline_ends_ = {};  // the texts are ours now
}

device& device::operator=(const device& other) noexcept {
  if (this != &other) {
    if (other.IsLong()) ++other.Long()->refs;
    Release();
    serial = other.serial;
    inline_ends_ = other.inline_ends_;
    inline_bytes_ = other.inline_bytes_;
  }
  return *this;
}

device& device::operator=(device&& other) noexcept {
  if (this != &other) {
    Release();
    serial = other.serial;
    inline_ends_ = other.inline_ends_;
    inline_bytes_ = other.inline_bytes_;
    if (IsLong()) other.inline_ends_ = {};
  }
  return *this;
}

device::~device() { Release(); }

void device::Release() {
  if (!IsLong()) return;
  LongTexts* texts = Long();
  if (--texts->refs == 0) LongTexts::Free(texts);
  inline_ends_ = {};
}

std::string_view device::LongText(TextField field) const {
  const LongTexts* texts = Long();
  const size_t begin = field == kNumber ? 0 : texts->ends[field - 1];
  return {texts->bytes() + begin, texts->ends[field] - begin};
}
