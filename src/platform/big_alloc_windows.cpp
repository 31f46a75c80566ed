#include <malloc.h>

#include "platform/big_allocator.h"

namespace {

// Records are aligned to cache lines; a big block is aligned further so
// that any element type fits.
constexpr std::size_t kBigAlignment = 4096;

}  // namespace

void* AllocateBig(std::size_t size) {
  void* block = _aligned_malloc(size, kBigAlignment);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void FreeBig(void* block, std::size_t) { _aligned_free(block); }
