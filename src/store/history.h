// The undo history: the lists handed to the last commits, oldest first.
// Commits append to it and keep the newest kHistoryDepth; undo reads it.
#ifndef DEVMGR_STORE_HISTORY_H_
#define DEVMGR_STORE_HISTORY_H_

#include <cstddef>
#include <vector>

#include "record/device.h"

using History = std::vector<RecordList>;

inline constexpr std::size_t kHistoryDepth = 2;

#endif  // DEVMGR_STORE_HISTORY_H_
