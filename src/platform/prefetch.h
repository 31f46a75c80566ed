// PrefetchForRead asks the processor to start fetching memory that will be
// read soon, where the compiler offers a way to ask; elsewhere it does
// nothing. It never changes what a program computes, only how long it
// waits for memory.
#ifndef DEVMGR_PLATFORM_PREFETCH_H_
#define DEVMGR_PLATFORM_PREFETCH_H_

#include <cstddef>

inline void PrefetchForRead(const void* start, std::size_t size) {
#if defined(__GNUC__) || defined(__clang__)
  const char* p = static_cast<const char*>(start);
  for (std::size_t offset = 0; offset < size; offset += 64) {
    __builtin_prefetch(p + offset);
  }
#else
  (void)start;
  (void)size;
#endif
}

#endif  // DEVMGR_PLATFORM_PREFETCH_H_
