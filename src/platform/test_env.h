// TestEnv runs the program in-process for tests, the fuzzer and benchmarks:
// the console input is a script given up front, the output is captured, the
// clock moves only by a fixed step at each reading, the pause returns at
// once (and is counted), files live in memory, and Exit() unwinds with an
// ExitCalled exception instead of ending the process.
#ifndef DEVMGR_PLATFORM_TEST_ENV_H_
#define DEVMGR_PLATFORM_TEST_ENV_H_

#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "platform/env.h"

// Thrown by TestEnv::Exit(); carries the status the program ended with.
struct ExitCalled {
  int status;
};

class TestEnv : public Env {
 public:
  explicit TestEnv(std::string input = "");

  std::istream& In() override { return in_; }
  std::ostream& Out() override { return out_; }
  int64_t NowMillis() override;
  void PauseOneSecond() override;
  bool ReadFile(const std::string& name, Bytes* content) override;
  bool ReplaceFile(const std::string& name, ByteSource& content) override;
  [[noreturn]] void Exit(int status) override;

  // Everything written to the console so far.
  std::string output() const { return out_.str(); }
  int pauses() const { return pauses_; }
  // Called at every pause, that is at every return to the main menu.
  void set_on_pause(std::function<void()> hook) { on_pause_ = std::move(hook); }

  // Each reading of the clock returns the previous one plus this step, so
  // any measured interval of two readings prints as `step`.
  void set_clock_step(int64_t step) { clock_step_ = step; }

  // The in-memory files, by name.
  std::map<std::string, std::string>& files() { return files_; }
  // Names that behave like directories: they cannot be read or replaced.
  std::set<std::string>& directories() { return directories_; }
  // After this many more successful replacements, every ReplaceFile fails
  // (leaving the file as it was); negative means never.
  void FailReplacementsAfter(int count) { replacements_left_ = count; }

 private:
  std::istringstream in_;
  std::ostringstream out_;
  int64_t clock_ = 0;
  int64_t clock_step_ = 0;
  int pauses_ = 0;
  std::function<void()> on_pause_;
  std::map<std::string, std::string> files_;
  std::set<std::string> directories_;
  int replacements_left_ = -1;
};

#endif  // DEVMGR_PLATFORM_TEST_ENV_H_
