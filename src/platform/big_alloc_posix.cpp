#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <map>
#include <utility>

#include "platform/big_allocator.h"

namespace {

constexpr std::size_t kPage = std::size_t{2} << 20;  // a huge page

// Fresh memory costs a page fault and a cleared page per page touched, so
// freed blocks are kept for reuse: a list copied at each save, or the keys
// of each sort, come back at much the same size again and again.
class BlockCache {
 public:
  // The smallest cached block of at least `size` bytes and at most twice
  // that, or nullptr. A block already touched is worth more than the memory
  // it wastes while in use.
  void* Take(std::size_t size, std::size_t* real_size) {
    Block* best = nullptr;
    for (Block& b : blocks_) {
      if (b.start != nullptr && b.size >= size && b.size <= 2 * size &&
          (best == nullptr || b.size < best->size)) {
        best = &b;
      }
    }
    if (best == nullptr) return nullptr;
    *real_size = best->size;
    return std::exchange(best->start, nullptr);
  }

  // Keeps the block, giving back the oldest one when the cache is full.
  void Put(void* start, std::size_t size) {
    Block& slot = blocks_[next_++ % blocks_.size()];
    std::free(slot.start);
    slot = {start, size};
  }

 private:
  struct Block {
    void* start = nullptr;
    std::size_t size = 0;
  };
  std::array<Block, 4> blocks_{};
  std::size_t next_ = 0;
};

BlockCache& Cache() {
  static BlockCache cache;
  return cache;
}

// The real size of every block handed out, by its start.
std::map<void*, std::size_t>& Live() {
  static std::map<void*, std::size_t> live;
  return live;
}

}  // namespace

void* AllocateBig(std::size_t size) {
  const std::size_t rounded = (size + kPage - 1) / kPage * kPage;
  std::size_t real_size = rounded;
  void* block = Cache().Take(rounded, &real_size);
  if (block == nullptr) {
    // From malloc, aligned to huge pages, so that memory checkers still see
    // the block and what it points to.
    block = std::aligned_alloc(kPage, rounded);
    if (block == nullptr) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    madvise(block, rounded, MADV_HUGEPAGE);  // a hint; fine if refused
#endif
  }
  Live()[block] = real_size;
  return block;
}

void FreeBig(void* block, std::size_t) {
  auto it = Live().find(block);
  const std::size_t real_size = it->second;
  Live().erase(it);
  Cache().Put(block, real_size);
}
