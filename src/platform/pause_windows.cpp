#include <windows.h>

#include "platform/pause.h"

void SleepMillis(int millis) { Sleep(static_cast<DWORD>(millis)); }
