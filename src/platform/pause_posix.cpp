#include <chrono>
#include <thread>

#include "platform/pause.h"

void SleepMillis(int millis) {
  std::this_thread::sleep_for(std::chrono::milliseconds(millis));
}
