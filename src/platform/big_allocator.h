// BigAllocator serves the program's large buffers (record lists, file
// contents). Large blocks are aligned to huge pages, backed by them where
// the system offers it, and kept for reuse when freed: touching fresh
// memory one small page at a time is what dominates reading, copying and
// writing a list of a million records. The system part is a sibling source file
// per platform (big_alloc_posix.cpp, big_alloc_windows.cpp).
#ifndef DEVMGR_PLATFORM_BIG_ALLOCATOR_H_
#define DEVMGR_PLATFORM_BIG_ALLOCATOR_H_

#include <cstddef>
#include <new>
#include <string>

// Blocks at least this large go to AllocateBig.
inline constexpr std::size_t kBigBlock = std::size_t{4} << 20;

// `size` bytes aligned for any type; throws std::bad_alloc on failure.
void* AllocateBig(std::size_t size);
void FreeBig(void* block, std::size_t size);

template <typename T>
struct BigAllocator {
  using value_type = T;
  BigAllocator() = default;
  // Containers convert allocators implicitly between element types.
  template <typename U>
  // cppcheck-suppress noExplicitConstructor
  BigAllocator(const BigAllocator<U>&) {}

  T* allocate(std::size_t n) {
    const std::size_t size = n * sizeof(T);
    if (size < kBigBlock) return std::allocator<T>().allocate(n);
    return static_cast<T*>(AllocateBig(size));
  }
  void deallocate(T* p, std::size_t n) {
    const std::size_t size = n * sizeof(T);
    if (size < kBigBlock) {
      std::allocator<T>().deallocate(p, n);
    } else {
      FreeBig(p, size);
    }
  }
  friend bool operator==(const BigAllocator&, const BigAllocator&) {
    return true;
  }
};

// A byte string for whole files.
using Bytes =
    std::basic_string<char, std::char_traits<char>, BigAllocator<char>>;

#endif  // DEVMGR_PLATFORM_BIG_ALLOCATOR_H_
