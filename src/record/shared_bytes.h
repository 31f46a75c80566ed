// SharedBytes keeps a block of bytes alive for the records whose texts view
// into it. The records read from one import file share the file's block;
// copying a record shares its block instead of copying its texts. Texts are
// never changed in place, so the sharing cannot be seen: a record still
// behaves as a value. The count is not atomic, as the program has one
// thread.
#ifndef DEVMGR_RECORD_SHARED_BYTES_H_
#define DEVMGR_RECORD_SHARED_BYTES_H_

#include <cstddef>
#include <string_view>
#include <utility>

#include "platform/big_allocator.h"

class SharedBytes {
 public:
  SharedBytes() = default;
  explicit SharedBytes(Bytes&& bytes)
      : block_(new Block{1, std::move(bytes)}) {}
  explicit SharedBytes(std::string_view bytes)
      : SharedBytes(Bytes(bytes.begin(), bytes.end())) {}
  explicit SharedBytes(const char* bytes)
      : SharedBytes(std::string_view(bytes)) {}
  // Copies share the block: that is the point.
  // cppcheck-suppress copyCtorPointerCopying
  SharedBytes(const SharedBytes& other) : block_(other.block_) {
    if (block_ != nullptr) ++block_->refs;
  }
  SharedBytes(SharedBytes&& other) noexcept : block_(other.block_) {
    other.block_ = nullptr;
  }
  SharedBytes& operator=(SharedBytes other) noexcept {
    std::swap(block_, other.block_);
    return *this;
  }
  ~SharedBytes() {
    if (block_ != nullptr && --block_->refs == 0) delete block_;
  }

  std::string_view view() const {
    return block_ == nullptr ? std::string_view() : block_->bytes;
  }

 private:
  struct Block {
    size_t refs;
    Bytes bytes;
  };
  Block* block_ = nullptr;
};

#endif  // DEVMGR_RECORD_SHARED_BYTES_H_
