#include "record/device.h"

#include <algorithm>
#include <utility>

#include "platform/big_allocator.h"

const std::array<std::string_view, 10> obj = {
    "存储序列号", "设备编号", "设备名称", "领用人", "所属部门",
    "数量",       "购买时间", "价格",     "",       "",
};

// Texts too long to fit inside a record, with the copies' count. The count
// is not atomic, as the program has one thread.
struct device::LongTexts {
  size_t refs = 1;
  std::array<size_t, 7> ends{};
  Bytes bytes;
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
  long_ = new LongTexts;
  long_->bytes.reserve(total);
  for (size_t i = 0; i < texts.size(); ++i) {
    long_->bytes += texts[i];
    long_->ends[i] = long_->bytes.size();
  }
}

device::device(const device& other) noexcept
    : serial(other.serial),
      inline_ends_(other.inline_ends_),
      inline_bytes_(other.inline_bytes_),
      long_(other.long_) {
  if (long_ != nullptr) ++long_->refs;
}

device::device(device&& other) noexcept
    : serial(other.serial),
      inline_ends_(other.inline_ends_),
      inline_bytes_(other.inline_bytes_),
      long_(std::exchange(other.long_, nullptr)) {}

device& device::operator=(const device& other) noexcept {
  if (this != &other) {
    if (other.long_ != nullptr) ++other.long_->refs;
    Release();
    serial = other.serial;
    inline_ends_ = other.inline_ends_;
    inline_bytes_ = other.inline_bytes_;
    long_ = other.long_;
  }
  return *this;
}

device& device::operator=(device&& other) noexcept {
  if (this != &other) {
    Release();
    serial = other.serial;
    inline_ends_ = other.inline_ends_;
    inline_bytes_ = other.inline_bytes_;
    long_ = std::exchange(other.long_, nullptr);
  }
  return *this;
}

device::~device() { Release(); }

void device::Release() {
  if (long_ != nullptr && --long_->refs == 0) delete long_;
  long_ = nullptr;
}

std::string_view device::LongText(TextField field) const {
  const size_t begin = field == kNumber ? 0 : long_->ends[field - 1];
  return std::string_view(long_->bytes)
      .substr(begin, long_->ends[field] - begin);
}
