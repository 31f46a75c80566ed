// The system's way to wait: one sibling source file per platform, chosen by
// the build (pause_posix.cpp, pause_windows.cpp).
#ifndef DEVMGR_PLATFORM_PAUSE_H_
#define DEVMGR_PLATFORM_PAUSE_H_

// Blocks the calling thread for `millis` milliseconds.
void SleepMillis(int millis);

#endif  // DEVMGR_PLATFORM_PAUSE_H_
