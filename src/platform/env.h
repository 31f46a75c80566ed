// Env is everything the program asks of the system it runs on: the console,
// a millisecond clock, the one-second pause, whole files and process exit.
// The program's logic reaches the outside world only through an Env, so that
// it can be mocked out for tests: RealEnv talks to the real console and disk,
// TestEnv runs a whole session in memory with scripted input, captured
// output, a fixed clock and no pause.
#ifndef DEVMGR_PLATFORM_ENV_H_
#define DEVMGR_PLATFORM_ENV_H_

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "platform/big_allocator.h"

// The content of a file to be written, handed over a piece at a time so
// that a large file need never be held in memory whole.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // The next piece, valid until the next call; empty once all is given.
  virtual std::string_view Next() = 0;
};

class Env {
 public:
  virtual ~Env() = default;

  // The console. Out() is flushed before every read from In(), so a prompt
  // is always on the screen before the program waits for its answer.
  virtual std::istream& In() = 0;
  virtual std::ostream& Out() = 0;

  // A clock that never goes back, in milliseconds from an arbitrary start.
  virtual int64_t NowMillis() = 0;

  // Waits one second; input typed meanwhile stays queued.
  virtual void PauseOneSecond() = 0;

  // Reads the whole named file, byte for byte. False when it cannot be
  // opened, is a directory, or a read fails part-way.
  virtual bool ReadFile(const std::string& name, Bytes* content) = 0;

  // Replaces the named file with all of `content`, written as text (each
  // "\n" becomes the platform's line break), all or nothing: on false the
  // file is as it was before the call.
  virtual bool ReplaceFile(const std::string& name, ByteSource& content) = 0;

  // Ends the program with `status`, flushing the console first.
  [[noreturn]] virtual void Exit(int status) = 0;
};

#endif  // DEVMGR_PLATFORM_ENV_H_
