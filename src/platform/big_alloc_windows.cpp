#include <cstdlib>

#include "platform/big_allocator.h"

void* AllocateBig(std::size_t size) {
  void* block = std::malloc(size);
  if (block == nullptr) throw std::bad_alloc();
  return block;
}

void FreeBig(void* block, std::size_t) { std::free(block); }
